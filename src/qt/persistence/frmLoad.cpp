#include "qt/persistence/frmLoad.h"

#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/disk.h"
#include "qt/ui/columnlist.h"
#include "rules/career/roster.h"
#include "rules/persistence/careerfile.h"
#include "rules/persistence/historyfile.h"

namespace vantorelle {

frmLoad::frmLoad(std::string dataFolder, QWidget* parent) : QDialog(parent), m_dataFolder(std::move(dataFolder))
{
    setObjectName(QStringLiteral("frmLoad"));
    setWindowTitle(QStringLiteral(" LOAD"));
    setModal(true);
    auto* box = new QVBoxLayout(this);
    m_lstFiles = new QListWidget(this);
    m_lstFiles->setObjectName(QStringLiteral("lstFiles"));
    m_lstFiles->setMinimumSize(320, 240);
    box->addWidget(m_lstFiles);
    auto* row = new QHBoxLayout;
    auto* load = new QPushButton(QStringLiteral("Load"), this);
    load->setObjectName(QStringLiteral("cmdLoad"));
    load->setDefault(true);
    auto* remove = new QPushButton(QStringLiteral("Delete"), this);
    remove->setObjectName(QStringLiteral("cmdDelete"));
    remove->setAutoDefault(false);
    row->addWidget(load);
    row->addStretch(1);
    row->addWidget(remove);
    box->addLayout(row);
    connect(load, &QPushButton::clicked, this, &frmLoad::cmdLoad_Click);
    connect(remove, &QPushButton::clicked, this, &frmLoad::cmdDelete_Click);
    connect(m_lstFiles, &QListWidget::itemDoubleClicked, this, &frmLoad::cmdLoad_Click);
}

bool frmLoad::fill()
{
    m_lstFiles->clear();
    for (const auto& name : savedCareers(filesEndingWith(m_dataFolder, ".car")))
        m_lstFiles->addItem(QString::fromStdString(name));
    if (m_lstFiles->count() == 0) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("There are no saved careers available."));
        return false;
    }
    m_lstFiles->setCurrentRow(0);
    return true;
}

QListWidgetItem* frmLoad::selectedItem() const
{
    // The item with the focus frame is not chosen unless it is selected too:
    // a player who deselected it has chosen nothing.
    const auto chosen = m_lstFiles->selectedItems();
    return chosen.isEmpty() ? nullptr : chosen.front();
}

void frmLoad::cmdLoad_Click()
{
    if (auto* item = selectedItem())
        m_selected = item->text().toStdString();
    accept();
}

void frmLoad::cmdDelete_Click()
{
    auto* item = selectedItem();
    if (!item)
        return;
    const std::string name = item->text().toStdString();
    const auto answer = QMessageBox::question(
        this, windowTitle(), QStringLiteral("Are you sure you want to delete the career for %1?").arg(item->text()),
        QMessageBox::Yes | QMessageBox::No);
    // Closed unanswered meanwhile (a challenge took over): nothing is deleted.
    if (answer != QMessageBox::Yes || !isVisible())
        return;
    const QDir dir(QString::fromStdString(m_dataFolder));
    const bool gone = removeFile(dir.filePath(QString::fromStdString(careerFileName(name))).toStdString()) &&
                      removeFile(dir.filePath(QString::fromStdString(historyFileName(name))).toStdString());
    if (!gone)
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The career could not be deleted."));
    if (!fill())
        reject();
}

std::string frmLoad::choose(const std::string& dataFolder, QWidget* parent)
{
    frmLoad load(dataFolder, parent);
    if (!load.fill())
        return {};
    load.exec();
    return load.SelectedCareer();
}

frmHistory::frmHistory(const Rgb& colour, const std::string& careerName, const std::string& historyText,
                       QWidget* parent)
    : ThemedDialog(colour, parent)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral(" %1 - HISTORY").arg(QString::fromStdString(upperCase(careerName))));
    setModal(true);
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(10);
    auto* box = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromLatin1(kHistoryHeading), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(f);
    box->addWidget(heading);
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lstHistory"));
    list->setFont(f);
    // Each column in its own cell under its heading: a date of any locale or
    // a name in any script keeps the columns after it in their places.
    list->setItemDelegate(new ColumnsDelegate(std::vector<int>(kHistoryColumns.begin(), kHistoryColumns.end()), list));
    for (const HistoryRow& columns : historyColumns(historyText)) {
        QStringList cells;
        QString row;
        for (const std::string& c : columns) {
            cells << QString::fromStdString(c);
            row += cells.back();
        }
        auto* item = new QListWidgetItem(row, list);
        item->setData(ColumnsDelegate::kColumnsRole, cells);
    }
    list->setMinimumSize(QFontMetrics(f).horizontalAdvance(QString(74, QLatin1Char('M'))), 300);
    // The heading's words over their columns.
    heading->setContentsMargins(list->frameWidth() + ColumnsDelegate::kMargin, 0, 0, 0);
    box->addWidget(list);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    box->addWidget(ok, 0, Qt::AlignRight);
}

} // namespace vantorelle
