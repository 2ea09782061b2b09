#pragma once

#include "RecordingServices.h"
#include "TournamentFiles.h"
#include "document/BoxTexts.h"
#include "document/MainBoard.h"
#include "engine/Prediction.h"

#include <string>

namespace tiplark::testing {

// A main board of a shipped tournament, wired to recording services.
struct TournamentBoard {
    explicit TournamentBoard(const std::string& id)
        : tournament(shippedTournament(id))
    {
    }

    // Every real result of the tournament, as a load sets them.
    void fillRealResults()
    {
        setBoxes(main.board(), predictionBoxTexts(main.controls(), tournament, Prediction::real(tournament)));
    }

    Tournament tournament;
    RecordingMessageService messages;
    RecordingCursorService cursor;
    FixedDateTimeFormat dates;
    MainBoard main{Services{messages, cursor, dates}, tournament};
};

}  // namespace tiplark::testing
