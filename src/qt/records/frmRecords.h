#pragma once
#include <QString>
#include <QStringList>

#include "qt/records/recordsdata.h"
#include "qt/ui/gradient.h"

class QComboBox;
class QPushButton;
class QTabWidget;

namespace vantorelle {

class CareerPage;
class FiguresPage;
class FittedLabel;
class HeatPage;
class PracticePage;
class TrendPage;

// The statistics window over the match records: for a player who has
// records and a period (his last match, his last 10, the last 30 days, all),
// his figures, the trend match by match, the heat map of his darts on the
// board, his career form and his practice results, each on a page of its
// own; and the export of what it shows to CSV files.
//
// Reads the store when the choice changes, and the heat map's darts only
// when its page is looked at. A store that cannot be read is told once, in
// its own words, instead of the pages.
class frmRecords : public ThemedDialog {
    Q_OBJECT
public:
    // storeProblem: why the store could not be opened, when it could not.
    frmRecords(MatchStore& store, const QString& preferredName, const Rgb& colour, QWidget* parent,
               const QString& storeProblem = {});

    // The chosen player's records for the chosen period, read and shown again.
    void reload();

    // Asks for a folder and exports there.
    void cmdExport_Click();
    // Writes the matches, turns and darts the window shows to three new CSV
    // files in the folder (a name already there is never written over).
    // false, and the player told why, when they could not all be written.
    bool exportTo(const QString& folder);
    // The files the last export wrote.
    const QStringList& exportedFiles() const { return m_exported; }

    const RecordsData& data() const { return m_data; }
    // What the window says instead of the pages; empty while it shows them.
    QString message() const;

private:
    Selection selection() const;
    QString who() const;
    QString periodPhrase() const;
    void fillNames(const QString& preferredName);
    void tell(const QString& text);
    // The store could not be read: its words, once, and the pages go.
    void storeFailed(const std::string& why);
    void loadHeatIfShown();

    MatchStore& m_store;
    RecordsData m_data;
    bool m_heatLoaded = false;
    bool m_storeFailed = false;
    QStringList m_exported;

    QComboBox* m_cboPlayer = nullptr;
    QComboBox* m_cboPeriod = nullptr;
    QPushButton* m_cmdExport = nullptr;
    FittedLabel* m_lblMessage = nullptr;
    FittedLabel* m_lblExport = nullptr;
    QTabWidget* m_tabs = nullptr;
    FiguresPage* m_figures = nullptr;
    TrendPage* m_trend = nullptr;
    HeatPage* m_heat = nullptr;
    CareerPage* m_career = nullptr;
    PracticePage* m_practice = nullptr;
};

// Opens the statistics window, application-modal without a nested event loop
// (open(), not exec()), and deleted when closed: the game waits while the
// player reads, and no match flow resumes inside the window. The current
// player (preferredName, when given) comes first in the choice of names.
// storeProblem: what opening the store said, when it could not be opened.
// colour is the game's remembered theme colour, kept by reference as every
// themed window keeps it; it and the store outlive the window.
frmRecords* showRecords(MatchStore& store, const QString& preferredName, const Rgb& colour, QWidget* parent,
                        const QString& storeProblem = {});

} // namespace vantorelle
