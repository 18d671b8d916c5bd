#include "qt/cricket/picCricket.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include "qt/ui/fittedlabel.h"

namespace vantorelle {

picCricket::picCricket(int player, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picCricket_%1").arg(player));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setVerticalSpacing(0);
    static const char* kNames[] = {"lbl20", "lbl19", "lbl18", "lbl17", "lbl16", "lbl15", "lblB"};
    static const char* kNumbers[] = {"20", "19", "18", "17", "16", "15", "B"};
    const QFont font(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    for (int i = 0; i < 7; ++i) {
        auto* number = new FittedLabel(this);
        number->setText(QString::fromLatin1(kNumbers[i]));
        number->setFont(font);
        setBasePointSize(number, 14);
        number->setStyleSheet(QStringLiteral("color: rgb(170,170,190);"));
        auto* mark = new FittedLabel(this);
        mark->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(kNames[i])).arg(player));
        mark->setFont(font);
        setBasePointSize(mark, 14);
        mark->setAlignment(Qt::AlignCenter);
        mark->setMinimumWidth(28);
        mark->setStyleSheet(QStringLiteral("color: white;"));
        grid->addWidget(number, i, player == 1 ? 1 : 0);
        grid->addWidget(mark, i, player == 1 ? 0 : 1);
        m_marks[static_cast<std::size_t>(i)] = mark;
    }
}

void picCricket::show(const std::array<std::string, 7>& marks)
{
    for (std::size_t i = 0; i < 7; ++i)
        m_marks[i]->setText(QString::fromStdString(marks[i]));
}

void picCricket::setFrameColour(const QColor& colour)
{
    m_frame = colour.red() + colour.green() + colour.blue() > 3 ? colour : QColor(90, 90, 110);
    update();
}

void picCricket::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_frame, 2));
    p.setBrush(QColor(20, 26, 22, 230)); // a chalkboard
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}

} // namespace vantorelle
