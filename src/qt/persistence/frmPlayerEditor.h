#pragma once
#include "qt/ui/gradient.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorelle {

class CareerWindows;

// The player editor. Creating a career (blnEdit false): the career player's
// names, nationality and, at a real board, his average; Save makes the
// career and opens the calendar. Editing (blnEdit true): paging through the
// roster file's players; Save keeps the shown entry, Done writes the file.
class frmPlayerEditor : public ThemedDialog {
    Q_OBJECT
public:
    frmPlayerEditor(CareerWindows& career, bool blnEdit, QWidget* parent);

    void cmdSave_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdDone_Click();
    int index() const { return m_index; }

protected:
    void closeEvent(QCloseEvent* e) override;
    // Esc closes the window the way its close box does.
    void reject() override { close(); }

private:
    void showEntry();
    void showFlag();
    void createCareer();
    void chkScoring1_Click();
    void message(const QString& text);

    CareerWindows& m_career;
    bool m_blnEdit;
    int m_index = 1;
    bool m_created = false;
    QLineEdit* m_txtFirstName = nullptr;
    QLineEdit* m_txtSecondName = nullptr;
    QComboBox* m_cboNationality = nullptr;
    QLabel* m_image1 = nullptr;
    QCheckBox* m_chkScoring1 = nullptr;
    QLabel* m_lblAve = nullptr;
    QLineEdit* m_txtAve = nullptr;
};

} // namespace vantorelle
