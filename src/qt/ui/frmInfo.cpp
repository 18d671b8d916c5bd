#include "qt/ui/frmInfo.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace vantorelle {

frmInfo::frmInfo(QWidget* parent, double timeScale) : QDialog(parent), m_timeScale(timeScale)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setMinimumSize(520, 170);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(28, 22, 28, 16);

    QFont big(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
    m_label1 = new QLabel(this);
    m_label1->setTextFormat(Qt::PlainText); // names come from files and the other machine
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(big);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setWordWrap(true);
    m_label1->setStyleSheet(QStringLiteral("color: rgb(0,0,0); padding: 3px 0 0 3px;"));
    m_lblInfo = new QLabel(this);
    m_lblInfo->setTextFormat(Qt::PlainText);
    m_lblInfo->setObjectName(QStringLiteral("lblInfo"));
    m_lblInfo->setFont(big);
    m_lblInfo->setAlignment(Qt::AlignCenter);
    m_lblInfo->setWordWrap(true);
    m_lblInfo->setStyleSheet(QStringLiteral("color: rgb(255,255,0); padding: 0 3px 3px 0;"));
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_lblInfo, 0, 0);

    auto* press = new QLabel(QStringLiteral("Press any key"), this);
    press->setObjectName(QStringLiteral("lblPressAnyKey"));
    press->setAlignment(Qt::AlignCenter);
    press->setStyleSheet(QStringLiteral("color: rgb(200,200,200);"));
    grid->addWidget(press, 1, 0);

    for (auto* l : {m_label1, m_lblInfo, press})
        l->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_tmrExit = new QTimer(this);
    m_tmrExit->setObjectName(QStringLiteral("tmrExit"));
    m_tmrExit->setInterval(static_cast<int>(3000 * m_timeScale));
    connect(m_tmrExit, &QTimer::timeout, this, &frmInfo::tick);
    m_shown.start();
    m_tmrExit->start();
}

void frmInfo::setInfo(const QString& text)
{
    m_lblInfo->setText(text);
    m_label1->setText(text);
}

void frmInfo::tick()
{
    if (m_timeScale <= 0 || m_shown.elapsed() > 75000 * m_timeScale)
        accept();
}

void frmInfo::keyPressEvent(QKeyEvent*)
{
    accept();
}

void frmInfo::mouseReleaseEvent(QMouseEvent*)
{
    accept();
}

void frmInfo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(30, 40, 90));
    g.setColorAt(1, QColor(5, 5, 20));
    p.fillRect(rect(), g);
    p.setPen(QPen(QColor(255, 255, 0), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace vantorelle
