#include "qt/setup/frmNewGame.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/match/boardwidget.h"

namespace vantorelle {

frmNewGame::frmNewGame(double timeScale, std::function<void()> onClose)
    : m_onClose(std::move(onClose)), m_timeScale(timeScale)
{
    setObjectName(QStringLiteral("frmNewGame"));
    setWindowTitle(QStringLiteral("VANTORELLE!"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(640, 420);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(30, 30, 30, 24);
    auto label = [this](const QString& name, const QString& text, int points, const QString& colour) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(QFont(QStringLiteral("DejaVu Sans"), points, QFont::Bold));
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    v->addStretch(3);
    v->addWidget(
        label(QStringLiteral("lblTitle"), QStringLiteral("VANTORELLE!"), 44, QStringLiteral("rgb(255,255,0)")));
    v->addStretch(2);
    v->addWidget(label(QStringLiteral("lblStart"), QStringLiteral("PRESS ANY KEY OR CLICK TO START"), 14,
                       QStringLiteral("rgb(255,255,255)")));
    v->addStretch(1);
    v->addWidget(
        label(QStringLiteral("lblVersion"), QStringLiteral("Version 5.2"), 10, QStringLiteral("rgb(170,170,190)")));

    m_opened.start();
    m_tmrClose = new QTimer(this);
    m_tmrClose->setObjectName(QStringLiteral("tmrClose"));
    m_tmrClose->setInterval(static_cast<int>(1000 * m_timeScale));
    connect(m_tmrClose, &QTimer::timeout, this, [this] {
        if (m_timeScale <= 0 || m_opened.elapsed() > 75000 * m_timeScale)
            finish();
    });
    m_tmrClose->start();
}

void frmNewGame::finish()
{
    if (m_done)
        return;
    m_done = true;
    m_tmrClose->stop();
    if (m_onClose)
        m_onClose();
    close();
}

void frmNewGame::keyPressEvent(QKeyEvent*)
{
    finish();
}

void frmNewGame::mousePressEvent(QMouseEvent*)
{
    finish();
}

void frmNewGame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    // A faint board behind the title.
    const int side = qMin(width(), height()) * 9 / 10;
    p.save();
    p.setOpacity(0.22);
    p.translate((width() - side) / 2.0, (height() - side) / 2.0);
    p.scale(side / 5190.0, side / 5190.0);
    paintDartboard(p);
    p.restore();
}

} // namespace vantorelle
