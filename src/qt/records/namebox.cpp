#include "qt/records/namebox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace vantorelle {

NameBox::NameBox(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QString NameBox::shownText() const
{
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    const QRect room = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    return fontMetrics().elidedText(opt.currentText, Qt::ElideRight, room.width());
}

void NameBox::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    opt.currentText = shownText();
    p.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

} // namespace vantorelle
