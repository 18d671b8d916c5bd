#pragma once
#include <map>
#include <vector>

#include "rules/records/recorder.h"

namespace vantorelle::testing {

// A store of match records in memory: what the recorder hands on, as the
// store would keep it.
struct MemorySink : records::RecordSink {
    std::map<std::int64_t, records::MatchRecord> matches;
    std::map<std::int64_t, std::vector<records::TurnRecord>> turns;
    std::int64_t nextId = 1;
    bool refuse = false; // a store that can no longer write

    std::optional<std::int64_t> beginMatch(const records::MatchRecord& m) override
    {
        if (refuse)
            return std::nullopt;
        matches[nextId] = m;
        matches[nextId].id = nextId;
        turns[nextId];
        return nextId++;
    }
    bool addTurn(std::int64_t id, const records::TurnRecord& t) override
    {
        if (refuse)
            return false;
        turns[id].push_back(t);
        return true;
    }
    bool takeBackFrom(std::int64_t id, const records::TurnKey& first) override
    {
        auto& list = turns[id];
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].key == first) {
                list.resize(i);
                return true;
            }
        return false;
    }
    void endMatch(std::int64_t id, const records::MatchRecord& m, const records::TurnRecord* inProgress) override
    {
        matches[id] = m;
        if (inProgress)
            turns[id].push_back(*inProgress);
    }
};

} // namespace vantorelle::testing
