#include "engine/KnownTeams.h"

namespace tiplark {
namespace {

bool groupComplete(const Tournament& tournament, const Prediction& prediction, int group)
{
    for (const int m : tournament.groups[static_cast<size_t>(group)].matches) {
        if (!prediction.group[static_cast<size_t>(m)].complete())
            return false;
    }
    return true;
}

}  // namespace

KnownTeams knownTeams(const Tournament& tournament, const Prediction& prediction, const Outcome& outcome)
{
    std::vector<bool> complete(tournament.groups.size());
    bool allComplete = true;
    for (size_t g = 0; g < complete.size(); ++g) {
        complete[g] = groupComplete(tournament, prediction, static_cast<int>(g));
        allComplete = allComplete && complete[g];
    }

    KnownTeams known;
    known.knockout.assign(tournament.knockout.size(), {NoTeam, NoTeam});
    known.winners.assign(tournament.knockout.size(), NoTeam);
    // Whether each side's slot is settled. A settled slot may still be open
    // (a winner's slot of an undecided match); what it feeds is settled all
    // the same, and open too.
    std::vector<std::array<bool, 2>> settled(tournament.knockout.size(), {false, false});
    for (const int m : tournament.playOrder) {
        const auto match = static_cast<size_t>(m);
        for (size_t side = 0; side < 2; ++side) {
            const Slot& slot = tournament.knockout[match].sides[side];
            switch (slot.kind) {
            case Slot::Kind::GroupPlace:
                settled[match][side] = complete[static_cast<size_t>(slot.group)];
                break;
            case Slot::Kind::ThirdPlaced:
                settled[match][side] = allComplete;
                break;
            case Slot::Kind::Winner:
            case Slot::Kind::Loser: {
                const auto& feeder = settled[static_cast<size_t>(slot.match)];
                settled[match][side] = feeder[0] && feeder[1];
                break;
            }
            }
            if (settled[match][side])
                known.knockout[match][side] = outcome.knockout[match].teams[side];
        }
        if (known.knockout[match][0] != NoTeam && known.knockout[match][1] != NoTeam)
            known.winners[match] = outcome.knockout[match].winningTeam();
    }
    known.champion = known.winners[static_cast<size_t>(tournament.finalMatch)];
    return known;
}

}  // namespace tiplark
