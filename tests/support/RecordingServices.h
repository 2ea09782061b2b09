#pragma once

#include "TournamentFiles.h"
#include "document/BoxTexts.h"
#include "document/MainBoard.h"
#include "platform/DateTime.h"
#include "platform/Services.h"

#include <deque>
#include <string>
#include <vector>

namespace tiplark::testing {

// Records every message and answers questions from a script (default: No).
class RecordingMessageService : public MessageService {
public:
    void showError(const std::string& text) override { errors.push_back(text); }
    void showInformation(const std::string& text) override { information.push_back(text); }
    DialogResult askYesNo(const std::string& text) override { return answer(text); }
    DialogResult askYesNoCancel(const std::string& text) override { return answer(text); }

    std::vector<std::string> errors;
    std::vector<std::string> information;
    std::vector<std::string> questions;
    std::deque<DialogResult> answers;

private:
    DialogResult answer(const std::string& text)
    {
        questions.push_back(text);
        if (answers.empty())
            return DialogResult::No;
        const DialogResult next = answers.front();
        answers.pop_front();
        return next;
    }
};

class RecordingCursorService : public CursorService {
public:
    void setBusy(bool busy) override { changes.push_back(busy); }
    std::vector<bool> changes;
};

// A main board wired to recording services and fixed regional formats.
struct BoardHarness {
    RecordingMessageService messages;
    RecordingCursorService cursor;
    FixedDateTimeFormat dates;
    MainBoard main{Services{messages, cursor, dates}, worldCup2006()};

    Board& board() { return main.board(); }
    const std::string& text(std::string_view name) { return main.board().text(name); }
    void set(std::string_view name, std::string_view text) { main.board().setText(name, text); }
};

// A main board of any shipped edition ("worldcup-2026"), which owns its
// tournament, wired like BoardHarness.
struct EditionHarness {
    explicit EditionHarness(const std::string& id) : tournament(shippedTournament(id)) {}
    explicit EditionHarness(Tournament edition) : tournament(std::move(edition)) {}

    Tournament tournament;
    RecordingMessageService messages;
    RecordingCursorService cursor;
    FixedDateTimeFormat dates;
    MainBoard main{Services{messages, cursor, dates}, tournament};

    // Sets the boxes to a prediction as a load does.
    void type(const Prediction& prediction)
    {
        setBoxes(main.board(), predictionBoxTexts(main.controls(), tournament, prediction));
    }
    // Every real result of the tournament, as a load sets them.
    void fillRealResults() { type(Prediction::real(tournament)); }
    // The real group scores, without the real order of level teams or any
    // knockout score: what a user who typed the group stage has.
    void typeRealGroupScores()
    {
        Prediction prediction = Prediction::empty(tournament);
        prediction.group = Prediction::real(tournament).group;
        type(prediction);
    }
};

}  // namespace tiplark::testing
