#pragma once
// The main window's labels: names, scores and the commentary, in the game's
// bold face and colours.
#include <QLabel>
#include <QString>

#include "qt/ui/fittedlabel.h"

namespace vantorelle {

// The player on throw has a yellow name, the other a white one.
inline const QString kYellow = QStringLiteral("rgb(255,255,0)");
inline const QString kWhite = QStringLiteral("rgb(255,255,255)");

// A label of the main window: plain text (names come from files and the other
// machine: shown as spelt, never cut), bold, in a point size designed for the
// window's first size and scaled with it.
inline QLabel* makeLabel(QWidget* parent, const QString& name, int pointSize, const QString& colour, Qt::Alignment align)
{
    auto* l = new FittedLabel(parent);
    l->setObjectName(name);
    QFont f(QStringLiteral("DejaVu Sans"), pointSize, QFont::Bold);
    l->setFont(f);
    setBasePointSize(l, pointSize);
    l->setAlignment(align);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    return l;
}

} // namespace vantorelle
