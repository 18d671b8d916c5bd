#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorelle {

struct GameState;

// The player selection before an exhibition: the names of the humans, whether
// each plays at a real board, and a lone real-board player's average. OK keeps
// the choices; Cancel leaves the first name empty. A player who practises
// alone states no average: nobody plays against him.
class frmPlayers : public QDialog {
    Q_OBJECT
public:
    frmPlayers(GameState& st, int humans, QWidget* parent = nullptr, bool practice = false);

    void cmdOK_Click();
    void Command1_Click();

protected:
    void reject() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void chkScoring1_Click();

    GameState& m_st;
    QLabel* m_lblP1[2]{};
    QComboBox* m_cbo1 = nullptr;
    QComboBox* m_cbo2 = nullptr;
    QCheckBox* m_chk1 = nullptr;
    QCheckBox* m_chk2 = nullptr;
    QLabel* m_lblAve = nullptr;
    QLineEdit* m_txtAve = nullptr;
    bool m_second = false;
    bool m_practice = false;
};

} // namespace vantorelle
