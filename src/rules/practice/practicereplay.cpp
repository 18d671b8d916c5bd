#include "rules/practice/practicereplay.h"

namespace vantorelle {

std::optional<ReplayedPractice> replayPractice(const records::MatchRecord& match,
                                               std::span<const records::TurnRecord> turns)
{
    if (match.kind != records::MatchKind::Practice)
        return std::nullopt;
    const auto choice = practiceFromCode(match.game);
    if (!choice)
        return std::nullopt;
    ReplayedPractice replay{PracticeSession(*choice), {}};
    for (const records::TurnRecord& turn : turns)
        for (const records::DartRecord& dart : turn.dartList) {
            const PracticeDart d = replay.session.dart(dart.bed);
            if (!d.accepted)
                return std::nullopt;
            replay.targets.push_back(d.target);
        }
    return replay;
}

} // namespace vantorelle
