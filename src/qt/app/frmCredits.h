#pragma once
#include <QDialog>
#include <functional>

class QPushButton;

namespace vantorelle {

struct Settings;

// The credits: the version, who made the game, and an OK button. Esc with the
// button focused asks for a cheat code.
class frmCredits : public QDialog {
    Q_OBJECT
public:
    frmCredits(Settings& settings, QWidget* parent);

    // Asks for a code; the dialog is replaceable for tests.
    std::function<QString()> askCode;
    // Shows the answer to a speed code; replaceable for tests.
    std::function<void(const QString&)> tell;

    void enterCheat();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    Settings& m_settings;
    QPushButton* m_ok = nullptr;
};

} // namespace vantorelle
