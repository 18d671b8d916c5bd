#include "qt/network/networkparts.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "qt/app/frmDarts.h"
#include "rules/network/protocol.h"

namespace vantorelle {

QString qs(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* edit(QWidget* parent, const QString& name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(30);
    return e;
}

QAction* networkEntry(frmDarts& main)
{
    return main.menuBar()->findChild<QAction*>(QStringLiteral("mnuNetwork"));
}

} // namespace vantorelle
