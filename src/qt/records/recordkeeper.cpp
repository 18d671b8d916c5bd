#include "qt/records/recordkeeper.h"

#include <QDate>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <ctime>

#include "platform/storeschema.h"
#include "rules/records/charts.h"

namespace vantorelle {

namespace {
constexpr int kSettleMs = 1500;
}

RecordKeeper::RecordKeeper(const std::string& dataFolder, QWidget* window)
    : QObject(window), m_window(window), m_sink(m_store),
      m_recorder([] { return static_cast<std::int64_t>(std::time(nullptr)); })
{
    const std::string path =
        QDir(QString::fromStdString(dataFolder)).filePath(QStringLiteral("Records.db")).toStdString();
    StoreResult opened = m_store.open(path);
    if (!opened && opened.message == store::kDamaged) {
        // The player's data is his: the damaged file is kept under a name of
        // its own, and a new one is begun.
        const auto aside = MatchStore::moveAside(path, QDate::currentDate().toString(Qt::ISODate).toStdString());
        if (aside) {
            opened = m_store.open(path);
            if (opened)
                tellOnce(QStringLiteral("The match records file was damaged and could not be read. It is kept as %1; "
                                        "new matches are recorded in a new file.")
                             .arg(QDir(QString::fromStdString(aside.value)).dirName()));
        }
    }
    if (opened) {
        // Matches a crash left being played are recorded as abandoned.
        m_store.abandonInterrupted(static_cast<std::int64_t>(std::time(nullptr)));
    } else {
        m_problem = QString::fromStdString(opened.message);
    }
    m_sink.onFailure = [this](const std::string& why) {
        const QString reason = m_problem.isEmpty() ? QString::fromStdString(why) : m_problem;
        tellOnce(reason + QStringLiteral(" The game goes on without recording its matches."));
    };
    // The write-through of an ended match waits on the disk: it is done a
    // moment later, not inside the dart that ended the match.
    m_store.setCheckpointAtEnds(false);
    m_sink.onMatchEnded = [this] { QTimer::singleShot(kSettleMs, this, [this] { m_store.checkpointNow(); }); };
    m_recorder.setSink(&m_sink);
}

RecordKeeper::~RecordKeeper()
{
    m_recorder.setSink(nullptr);
}

void RecordKeeper::tellOnce(const QString& text)
{
    m_told << text;
    // Told from the event loop, in a box that does not stop the match.
    QPointer<QWidget> window(m_window);
    QTimer::singleShot(0, this, [window, text] {
        if (!window)
            return;
        auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("VANTORELLE!"), text, QMessageBox::Ok,
                                    window);
        box->setObjectName(QStringLiteral("boxRecords"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    });
}

RecordKeeper::PracticeBest RecordKeeper::practiceBest(const std::string& name, const std::string& game)
{
    if (!m_store.isOpen())
        return {};
    const auto sessions = m_store.matches({name, Period::All, 0, records::MatchKind::Practice});
    if (!sessions)
        return {};
    const auto bests = records::personalBests(sessions.value);
    const auto best = bests.find(game);
    if (best == bests.end())
        return {true, std::nullopt};
    return {true, static_cast<int>(std::lround(best->second.result))};
}

} // namespace vantorelle
