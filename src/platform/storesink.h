#pragma once
#include <functional>
#include <string>

#include "platform/matchstore.h"
#include "rules/records/recorder.h"

namespace vantorelle {

// The match records store as the place a match's record goes while it is
// played. The first step the store cannot take stops the recording (the
// game plays on) and is told once, in the store's words.
class StoreSink : public records::RecordSink {
public:
    explicit StoreSink(MatchStore& store) : m_store(store) {}

    // Called once, with the store's reason, the first time a record cannot be kept.
    std::function<void(const std::string& why)> onFailure;
    // Called after a match's end was written.
    std::function<void()> onMatchEnded;

    std::optional<std::int64_t> beginMatch(const records::MatchRecord& match) override;
    bool addTurn(std::int64_t id, const records::TurnRecord& turn) override;
    bool takeBackFrom(std::int64_t id, const records::TurnKey& first) override;
    void endMatch(std::int64_t id, const records::MatchRecord& match, const records::TurnRecord* inProgress) override;

    // Whether it has failed (and records nothing more).
    bool failed() const { return m_failed; }

private:
    bool check(const StoreResult& r);

    MatchStore& m_store;
    bool m_failed = false;
};

} // namespace vantorelle
