#include "qt/app/frmCredits.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/app/cheats.h"
#include "rules/app/settings.h"

namespace vantorelle {

frmCredits::frmCredits(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("frmCredits"));
    setWindowTitle(QStringLiteral("Credits"));
    setModal(true);
    setStyleSheet(QStringLiteral("QDialog { background: black; } QLabel { color: white; }"));
    auto* v = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("VANTORELLE!"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(QFont(QStringLiteral("DejaVu Sans"), 26, QFont::Bold));
    title->setStyleSheet(QStringLiteral("color: rgb(255,255,0);"));
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Version 5.2"), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(QStringLiteral("A darts game by the VANTORELLE developers.\n\n"
                                           "Board, darts and pictures drawn by the game itself.\n"
                                           "Referee's calls spoken by espeak-ng, dart sounds made with sox.\n"
                                           "Built with Qt.\n\n"
                                           "Thanks to every club player who ever chalked a scoreboard."),
                            this);
    text->setObjectName(QStringLiteral("lblCredits"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    v->addWidget(title);
    v->addWidget(version);
    v->addSpacing(12);
    v->addWidget(text);
    v->addSpacing(12);
    v->addWidget(m_ok, 0, Qt::AlignCenter);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_ok->setFocus();

    askCode = [this] {
        return QInputDialog::getText(this, QStringLiteral("Cheats"), QStringLiteral("Enter cheat code: "));
    };
    tell = [this](const QString& message) { QMessageBox::information(this, QStringLiteral("Cheats"), message); };
}

void frmCredits::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && focusWidget() == m_ok) {
        enterCheat();
        return; // Esc does not close the credits
    }
    QDialog::keyPressEvent(e);
}

void frmCredits::enterCheat()
{
    const Cheat cheat = applyCheat(askCode().toStdString());
    switch (cheat.kind) {
    case Cheat::SpeedSet:
        m_settings.aimSpeedOverride = cheat.speed;
        tell(QStringLiteral("Aim speed set to %1.").arg(cheat.speed));
        break;
    case Cheat::SpeedRefused:
        m_settings.aimSpeedOverride = 0;
        tell(QStringLiteral("The aim speed must be between 30 and 150."));
        break;
    case Cheat::NotACheat:
        break;
    }
}

} // namespace vantorelle
