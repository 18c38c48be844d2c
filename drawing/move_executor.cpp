#include "move_executor.h"

#include "animator.h"
#include "board/collapse.h"
#include "board/game_over.h"
#include "board/game_state.h"
#include "board_painter.h"
#include "game_flow.h"
#include "platform/clock.h"
#include "platform/date_time.h"
#include "platform/dialogs.h"
#include "scores/settings.h"

namespace {

const char* const GameOverTitle = QT_TRANSLATE_NOOP("MoveExecutor", "Game over!");

} // namespace

void MoveExecutor::RemoveGroup(const BrickCollection& group, int cursor)
{
    parts.game.RecordMove(cursor);
    parts.painter.EraseBricks(group);
    parts.painter.ShowBuffer();
    for (const BrickRef& brick : group) {
        parts.game.Board[brick->Index].reset();
    }
    BrickCollection slide;
    BrickCollection fall;
    PlanCollapse(parts.game.Board, slide, fall);
    parts.animator.AnimateCollapse(fall, slide);
    parts.game.BricksLeft -= static_cast<int>(group.Count());
    parts.flow.ShowBricksLeft(BoardChange::Removed, -1);
    if (IsGameOver(parts.game.Board)) EndGame();
}

void MoveExecutor::UndoMove()
{
    const int cursor = parts.game.Undo(parts.clock.Now());
    ShowBoard(BoardChange::Undone, cursor);
}

void MoveExecutor::RedoMove()
{
    const int cursor = parts.game.Redo(parts.clock.Now());
    ShowBoard(BoardChange::Redone, cursor);
    // Done again, the move that ended the game ends it again.
    if (IsGameOver(parts.game.Board)) EndGame();
}

void MoveExecutor::ShowBoard(BoardChange change, int cursor)
{
    parts.painter.Render(parts.game.Board);
    parts.painter.ShowBuffer();
    parts.flow.ShowBricksLeft(change, cursor);
}

void MoveExecutor::EndGame()
{
    if (parts.game.BricksLeft < Settings::RecordRows) RecordBestTime();
    if (parts.game.BricksLeft != 0 && AcceptsRetry()) {
        parts.flow.RetryGame();
        return;
    }
    OfferNewGame();
}

void MoveExecutor::RecordBestTime()
{
    const int bricksLeft = parts.game.BricksLeft;
    // In whole seconds, as the clock showed it and as the record keeps it.
    const double finishingTime = ToWholeSeconds(parts.game.TimePlayed(parts.clock.Now()));
    const double best = parts.settings.GetBestTime(parts.game.Kind(), bricksLeft);
    // An equal time does not take the record.
    if (best == 0 || finishingTime < best) SaveRecord(bricksLeft, finishingTime);
}

void MoveExecutor::SaveRecord(int bricksLeft, double finishingTime)
{
    const int cleared = parts.game.CellCount() - bricksLeft;
    const QString prompt = tr("You are the fastest to clear %n.\r\nEnter you're name:", "", cleared);
    const QString name = parts.dialogs.InputBox(parts.flow.DialogOwner(), prompt, QString(), QString());
    // A cancelled entry still keeps the record, under an empty name.
    const Settings::Outcome outcome = parts.settings.SaveBestRecord(parts.game.Kind(), bricksLeft, finishingTime, name);
    if (outcome == Settings::Outcome::Saved) return;
    const QString why = outcome == Settings::Outcome::Unwritable
                            ? tr("Your time could not be saved: the settings file cannot be written.")
                            : tr("Your time was not saved: another game saved a time as good meanwhile.");
    parts.dialogs.MsgBox(parts.flow.DialogOwner(), why, MessageStyle::OkWarning, QString());
}

bool MoveExecutor::AcceptsRetry()
{
    const QString prompt = tr("You have not cleared all bricks?\r\nWould you like to retry?");
    return parts.dialogs.MsgBox(parts.flow.DialogOwner(), prompt, MessageStyle::RetryCancelQuestion, tr(GameOverTitle))
           == MessageAnswer::Retry;
}

void MoveExecutor::OfferNewGame()
{
    const QString prompt = tr("Would you like to play a new game?");
    if (parts.dialogs.MsgBox(parts.flow.DialogOwner(), prompt, MessageStyle::YesNoQuestion, tr(GameOverTitle))
        == MessageAnswer::Yes) {
        parts.flow.NewGame();
    } else {
        parts.game.End(parts.clock.Now());
    }
}
