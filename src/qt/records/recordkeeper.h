#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "platform/matchstore.h"
#include "platform/storesink.h"
#include "rules/records/recorder.h"

class QWidget;

namespace vantorelle {

// The record of every match played on this machine: the store in the data
// folder ("Records.db"), opened at start, and the recorder the match engine
// hands its darts to. A store that cannot be opened or written never stops a
// match: the game plays on without recording, and the player is told once.
// A damaged file is kept aside under a name of its own and a new one begun.
class RecordKeeper : public QObject {
    Q_OBJECT
public:
    RecordKeeper(const std::string& dataFolder, QWidget* window);
    ~RecordKeeper() override;

    records::MatchRecorder& recorder() { return m_recorder; }
    MatchStore& store() { return m_store; }
    // The player's best in a practice game (its code), from his finished
    // sessions; nothing when he has none or the store cannot be read.
    // A player's best in a practice game (its code), if he has one; known is
    // false when the records could not be read.
    struct PracticeBest {
        bool known = false;
        std::optional<int> best;
    };
    PracticeBest practiceBest(const std::string& name, const std::string& game);
    // Why the store could not be opened; empty when it was.
    QString problem() const { return m_problem; }
    // What the player was told, in order (the tests read it).
    const QStringList& told() const { return m_told; }

private:
    void tellOnce(const QString& text);

    QWidget* m_window;
    MatchStore m_store;
    StoreSink m_sink;
    records::MatchRecorder m_recorder;
    QString m_problem;
    QStringList m_told;
};

} // namespace vantorelle
