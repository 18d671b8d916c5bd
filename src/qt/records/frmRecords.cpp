#include "qt/records/frmRecords.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "qt/records/heatmapwidget.h"
#include "qt/records/namebox.h"
#include "qt/records/recordsexport.h"
#include "qt/records/recordspages.h"
#include "qt/ui/fittedlabel.h"
#include "rules/career/roster.h"

namespace vantorelle {

namespace {

struct PeriodChoice {
    Period period;
    const char* text;
};
constexpr std::array<PeriodChoice, 4> kPeriods{{{Period::LastMatch, "LAST MATCH"},
                                                {Period::Last10, "LAST 10 MATCHES"},
                                                {Period::Last30Days, "LAST 30 DAYS"},
                                                {Period::All, "ALL"}}};

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QComboBox* choice(QWidget* parent, const QString& name, int characters)
{
    auto* c = new NameBox(parent);
    c->setObjectName(name);
    c->setMinimumContentsLength(characters);
    return c;
}

// The tabs in the game's colours: white on the dark, the page shown in the
// yellow of the player on throw. Only on the tab bar: a style sheet over the
// pages would take the white off their texts.
constexpr const char* kTabStyle =
    "QTabBar::tab { color: white; background: rgba(0, 0, 0, 110); padding: 5px 16px; margin-right: 2px;"
    " border-top-left-radius: 4px; border-top-right-radius: 4px; font: bold 9pt \"DejaVu Sans\"; }"
    "QTabBar::tab:selected { color: rgb(255, 255, 0); background: rgba(255, 255, 255, 50); }"
    "QTabBar::tab:hover:!selected { background: rgba(255, 255, 255, 28); }";

} // namespace

frmRecords::frmRecords(MatchStore& store, const QString& preferredName, const Rgb& colour, QWidget* parent,
                       const QString& storeProblem)
    : ThemedDialog(colour, parent), m_store(store)
{
    setObjectName(QStringLiteral("frmRecords"));
    setWindowTitle(QStringLiteral("VANTORELLE! RECORDS!"));
    auto* v = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    top->addWidget(recordsLabel(this, {}, QStringLiteral("PLAYER"), 10, true));
    m_cboPlayer = choice(this, QStringLiteral("cboPlayer"), 18);
    top->addWidget(m_cboPlayer, 2);
    top->addSpacing(12);
    top->addWidget(recordsLabel(this, {}, QStringLiteral("PERIOD"), 10, true));
    m_cboPeriod = choice(this, QStringLiteral("cboPeriod"), 14);
    for (const PeriodChoice& p : kPeriods)
        m_cboPeriod->addItem(QString::fromLatin1(p.text));
    m_cboPeriod->setCurrentIndex(static_cast<int>(kPeriods.size()) - 1);
    top->addWidget(m_cboPeriod, 1);
    top->addStretch(1);
    m_cmdExport = button(this, QStringLiteral("cmdExport"), QStringLiteral("EXPORT..."));
    top->addWidget(m_cmdExport);
    auto* ok = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    ok->setDefault(true);
    top->addWidget(ok);
    v->addLayout(top);

    m_lblMessage = recordsLabel(this, QStringLiteral("lblMessage"), {}, 14, true);
    m_lblMessage->setAlignment(Qt::AlignCenter);
    m_lblMessage->setWordWrap(true);
    m_lblMessage->hide();
    v->addWidget(m_lblMessage, 1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabPages"));
    m_tabs->setDocumentMode(true);
    m_tabs->tabBar()->setStyleSheet(QString::fromLatin1(kTabStyle));
    m_figures = new FiguresPage(m_tabs);
    m_trend = new TrendPage(m_tabs);
    m_heat = new HeatPage(m_tabs);
    m_career = new CareerPage(m_tabs);
    m_practice = new PracticePage(m_tabs);
    m_tabs->addTab(m_figures, QStringLiteral("FIGURES"));
    m_tabs->addTab(m_trend, QStringLiteral("TREND"));
    m_tabs->addTab(m_heat, QStringLiteral("HEAT MAP"));
    m_tabs->addTab(m_career, QStringLiteral("CAREER"));
    m_tabs->addTab(m_practice, QStringLiteral("PRACTICE"));
    v->addWidget(m_tabs, 1);

    m_lblExport = recordsLabel(this, QStringLiteral("lblExport"), {}, 9);
    v->addWidget(m_lblExport);
    resize(860, 640);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdExport, &QPushButton::clicked, this, &frmRecords::cmdExport_Click);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { loadHeatIfShown(); });

    if (!storeProblem.isEmpty() && !m_store.isOpen()) {
        storeFailed(storeProblem.toStdString());
        return;
    }
    fillNames(preferredName);
    if (m_storeFailed)
        return;
    connect(m_cboPlayer, &QComboBox::currentIndexChanged, this, [this] { reload(); });
    connect(m_cboPeriod, &QComboBox::currentIndexChanged, this, [this] { reload(); });
    reload();
}

void frmRecords::fillNames(const QString& preferredName)
{
    const auto names = m_store.playerNames();
    if (!names) {
        storeFailed(names.result.message);
        return;
    }
    if (names.value.empty())
        return; // nobody has records: the window says so, whoever asked
    // The current player first, as he is the one who asked; then everybody
    // with records in alphabetical order.
    const std::string preferred = upperCase(preferredName.trimmed().toStdString());
    if (!preferred.empty())
        m_cboPlayer->addItem(preferredName.trimmed());
    for (const std::string& name : names.value)
        if (upperCase(name) != preferred)
            m_cboPlayer->addItem(QString::fromStdString(name));
    for (int i = 0; i < m_cboPlayer->count(); ++i)
        m_cboPlayer->setItemData(i, m_cboPlayer->itemText(i), Qt::ToolTipRole);
}

Selection frmRecords::selection() const
{
    const int p = std::clamp(m_cboPeriod->currentIndex(), 0, static_cast<int>(kPeriods.size()) - 1);
    return {m_cboPlayer->currentText().toStdString(), kPeriods[static_cast<std::size_t>(p)].period,
            QDateTime::currentSecsSinceEpoch(), std::nullopt};
}

QString frmRecords::who() const
{
    return m_cboPlayer->currentText();
}

QString frmRecords::periodPhrase() const
{
    return selection().period == Period::Last30Days ? QStringLiteral(" in the last 30 days") : QString();
}

QString frmRecords::message() const
{
    return m_lblMessage->isHidden() ? QString() : m_lblMessage->text();
}

void frmRecords::tell(const QString& text)
{
    m_lblMessage->setText(text);
    m_lblMessage->setVisible(!text.isEmpty());
    m_tabs->setVisible(text.isEmpty());
    m_cmdExport->setEnabled(text.isEmpty() && !m_data.empty());
}

void frmRecords::storeFailed(const std::string& why)
{
    // Told once: the first failure's words stay, and nothing is read again.
    m_storeFailed = true;
    m_data = {};
    m_cboPlayer->setEnabled(false);
    m_cboPeriod->setEnabled(false);
    tell(QString::fromStdString(why));
}

void frmRecords::reload()
{
    if (m_storeFailed)
        return;
    if (m_cboPlayer->count() == 0) {
        m_data = {};
        tell(QStringLiteral("No matches have been recorded yet."));
        return;
    }
    const Selection which = selection();
    auto loaded = loadRecords(m_store, which);
    if (!loaded) {
        storeFailed(loaded.result.message);
        return;
    }
    m_data = std::move(loaded.value);
    m_heatLoaded = false;
    if (m_data.empty()) {
        tell(who() + (which.period == Period::Last30Days ? QStringLiteral(" has played nothing in the last 30 days.")
                                                         : QStringLiteral(" has no matches recorded.")));
        return;
    }
    tell({});
    const QString phrase = periodPhrase();
    m_figures->fill(m_data, who(), phrase);
    m_trend->fill(m_data, who(), phrase);
    m_career->fill(m_data, who(), phrase);
    m_practice->fill(m_data, who(), phrase);
    loadHeatIfShown();
}

void frmRecords::loadHeatIfShown()
{
    if (m_heatLoaded || m_storeFailed || m_tabs->currentWidget() != m_heat || m_tabs->isHidden())
        return;
    auto darts = loadHeatDarts(m_store, selection(), m_data);
    if (!darts) {
        storeFailed(darts.result.message);
        return;
    }
    m_heatLoaded = true;
    m_heat->setDarts(std::move(darts.value), who(), periodPhrase());
}

void frmRecords::cmdExport_Click()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Export the records to a folder"), QDir::homePath());
    if (!folder.isEmpty())
        exportTo(folder);
}

bool frmRecords::exportTo(const QString& folder)
{
    m_exported.clear();
    if (m_storeFailed || m_data.empty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ExportOutcome out = exportRecords(m_store, shownRecords(m_data), folder, fileStem(who()));
    QApplication::restoreOverrideCursor();
    if (!out.ok) {
        m_lblExport->setText(out.message);
        // Told in a box of its own, as the game tells a failed save; open(),
        // so that nothing waits inside it.
        auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), out.message, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return false;
    }
    m_exported = out.files;
    QStringList names;
    for (const QString& f : out.files)
        names << QFileInfo(f).fileName();
    m_lblExport->setText(
        QStringLiteral("Written to %1: %2").arg(QDir::toNativeSeparators(folder), names.join(QStringLiteral(", "))));
    return true;
}

frmRecords* showRecords(MatchStore& store, const QString& preferredName, const Rgb& colour, QWidget* parent,
                        const QString& storeProblem)
{
    auto* w = new frmRecords(store, preferredName, colour, parent, storeProblem);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::ApplicationModal);
    w->open();
    return w;
}

} // namespace vantorelle
