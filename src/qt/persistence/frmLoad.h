#pragma once
#include <QDialog>

#include "qt/ui/gradient.h"
#include <string>

class QListWidget;
class QListWidgetItem;

namespace vantorelle {

// The saved careers of the data folder: Load (or a double click) picks one,
// Delete removes one with its history.
class frmLoad : public QDialog {
    Q_OBJECT
public:
    frmLoad(std::string dataFolder, QWidget* parent);

    // Lists the careers; false, after telling the player, when there are none.
    bool fill();
    void cmdLoad_Click();
    void cmdDelete_Click();
    // The career chosen; empty when none was.
    const std::string& SelectedCareer() const { return m_selected; }

    // Shows the window and answers the career chosen, or empty.
    static std::string choose(const std::string& dataFolder, QWidget* parent);

private:
    // The career selected in the list; none when nothing is.
    QListWidgetItem* selectedItem() const;

    std::string m_dataFolder;
    std::string m_selected;
    QListWidget* m_lstFiles = nullptr;
};

// The player history: one row per finished tournament of the career.
class frmHistory : public ThemedDialog {
    Q_OBJECT
public:
    frmHistory(const Rgb& colour, const std::string& careerName, const std::string& historyText, QWidget* parent);
};

} // namespace vantorelle
