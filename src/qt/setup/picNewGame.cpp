#include "qt/setup/picNewGame.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "qt/match/dartpictures.h"

namespace vantorelle {

void OptionLabel::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick)
        onClick();
}

picNewGame::picNewGame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picNewGame"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(24, 20, 24, 20);
    v->setSpacing(10);
    m_heading = new FittedLabel(this);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    setBasePointSize(m_heading, 20);
    m_heading->setStyleSheet(QStringLiteral("color: rgb(255,255,255);"));
    v->addWidget(m_heading);
    v->addSpacing(8);
    for (int i = 1; i <= 4; ++i) {
        auto* l = new OptionLabel(this);
        l->setObjectName(QStringLiteral("lblOption%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));
        setBasePointSize(l, 18);
        l->setStyleSheet(QStringLiteral("color: rgb(255,255,0);"));
        l->setMinimumHeight(40);
        m_options[static_cast<std::size_t>(i)] = l;
        v->addWidget(l);
    }
    v->addStretch();
}

void picNewGame::setScale(double scale)
{
    auto* v = layout();
    v->setContentsMargins(qRound(24 * scale), qRound(20 * scale), qRound(24 * scale), qRound(20 * scale));
    v->setSpacing(qRound(10 * scale));
    // Room for each line at its font, which grows and shrinks with the panel.
    m_heading->setMinimumHeight(QFontMetrics(m_heading->font()).height());
    for (int i = 1; i <= 4; ++i) {
        auto* option = m_options[static_cast<std::size_t>(i)];
        option->setMinimumHeight(qMax(qRound(40 * scale), QFontMetrics(option->font()).height()));
    }
}

void picNewGame::show(const std::string& heading, const std::array<std::string, 5>& options)
{
    m_heading->setText(QString::fromStdString(heading));
    for (int i = 1; i <= 4; ++i) {
        auto* l = m_options[static_cast<std::size_t>(i)];
        const auto& caption = options[static_cast<std::size_t>(i)];
        l->setText(QString::fromStdString(caption));
        if (caption.empty())
            l->unsetCursor();
        else
            l->setCursor(dartCursor());
    }
}

void picNewGame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 0), 2));
    p.setBrush(QColor(10, 12, 30, 225));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
}

QCursor dartCursor()
{
    static const QCursor cursor = [] {
        // The stuck dart's point is at the bottom right of its picture; the
        // pointer's hot spot is that point.
        const QPixmap pm = dartPixmap(DartPicture::Small, 1, 'a', 32.0 / 600.0);
        return QCursor(pm, qRound(590 * 32.0 / 600.0), qRound(590 * 32.0 / 600.0));
    }();
    return cursor;
}

} // namespace vantorelle
