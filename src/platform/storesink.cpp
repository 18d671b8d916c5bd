#include "platform/storesink.h"

namespace vantorelle {

bool StoreSink::check(const StoreResult& r)
{
    if (r)
        return true;
    if (!m_failed) {
        m_failed = true;
        if (onFailure)
            onFailure(r.message);
    }
    return false;
}

std::optional<std::int64_t> StoreSink::beginMatch(const records::MatchRecord& match)
{
    if (m_failed)
        return std::nullopt;
    if (!m_store.canRecord()) {
        check(StoreResult::failed(m_store.problem().empty() ? "The match records are not open." : m_store.problem()));
        return std::nullopt;
    }
    const auto id = m_store.beginMatch(match);
    if (!check(id.result))
        return std::nullopt;
    return id.value;
}

bool StoreSink::addTurn(std::int64_t id, const records::TurnRecord& turn)
{
    return !m_failed && check(m_store.addTurn(id, turn));
}

bool StoreSink::takeBackFrom(std::int64_t id, const records::TurnKey& first)
{
    return !m_failed && check(m_store.takeBackTurnsFrom(id, first));
}

void StoreSink::endMatch(std::int64_t id, const records::MatchRecord& match, const records::TurnRecord* inProgress)
{
    if (m_failed)
        return;
    if (match.outcome == records::Outcome::Finished) {
        MatchStore::MatchEnd end;
        end.ended = match.ended;
        end.winner = match.winner;
        end.sets = match.sets;
        end.legs = match.legs;
        end.practiceResult = match.practiceResult;
        check(m_store.finishMatch(id, end));
    } else {
        check(m_store.abandonMatch(id, match.ended, inProgress, match.sets, match.legs));
    }
    if (onMatchEnded)
        onMatchEnded();
}

} // namespace vantorelle
