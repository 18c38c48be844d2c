#ifndef MAIN_WINDOW_FRM_MAIN_H
#define MAIN_WINDOW_FRM_MAIN_H

#include "board/game_state.h"
#include "board_settings.h"
#include "drawing/animator.h"
#include "drawing/board_painter.h"
#include "drawing/game_flow.h"
#include "drawing/keyboard_play.h"
#include "drawing/move_executor.h"
#include "drawing/pointer_tracker.h"
#include "platform/services.h"
#include "scores/settings.h"
#include "view_settings.h"

#include <QMainWindow>

class BoardSurface;
class QAction;
class QActionGroup;
class QMenu;
class StatusPanel;
class QTimer;
class frmHighScore;

// The game's window: the board, the menus, the status bar with the brick count and the
// clock, and the life of a game from its start to a retry or a new one, on the kind of board chosen.
class frmMain final : public QMainWindow, private GameFlow {
    Q_OBJECT

public:
    explicit frmMain(const Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The bricks in play and their looks, open to tests that set up a position.
    [[nodiscard]] GameState& Game() { return game; }
    [[nodiscard]] const GameState& Game() const { return game; }
    [[nodiscard]] const PictureSlots& Pictures() const { return Images; }
    [[nodiscard]] const BoardSurface& Surface() const { return *surface; }

    // Ends the program without asking: the session is ending or the system asked.
    void Unload();
    // Shows each move's end at once, without its fall and slide, while the desktop asks for less motion.
    void ReduceMotion(bool on) { animator.ReduceMotion(on); }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectBoard();
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, void (frmMain::*handler)());
    void CreateFileMenu();
    // The board's sizes and numbers of colours, as two sets of items of which one each is checked.
    void CreateBoardMenu(QMenu* mnuFile);
    void CreateViewMenu();
    void CreateMoveMenu();
    void CreateStatusBar();
    [[nodiscard]] StatusPanel* Panel(const QString& key) const;
    void PlaceAtDesignPosition();

    void Form_Load();
    void Form_Activate();
    [[nodiscard]] bool Form_QueryUnload();
    void FitWindow();
    // Moves the window just enough to lie wholly on its screen where it would stick out of it, as it
    // would from the design position on a small or highly scaled screen.
    void KeepInsideScreen();
    // The size is fixed, so a maximised state is asked away at once.
    void RefuseMaximized(Qt::WindowState state);
    // Shows the board at the density of the screen the window is on, and at the zoom the player chose where the
    // window fits on it, otherwise the largest that fits.
    void MatchScreen();
    // The largest zoom, in percent, at which the window fits inside the screen's available area.
    [[nodiscard]] int LargestFittingZoom() const;
    // Shows the board at the zoom, the window fitted around it, and offers the other zooms that fit.
    void ApplyZoom(int percent);
    void OfferZoomSteps();
    // The player's choice of zoom, shown and kept.
    void ChangeZoom(int percent);
    // Tells the player when a choice of the View menu could not be kept for the next run.
    void KeepChoice(bool saved);
    // Draws the whole board anew, a group shown pressed included.
    void RedrawBoard();
    void Timer_Timer();
    // Deals the board of the number, of the kind, and starts the clock on it.
    void Deal(std::uint64_t number, const BoardKind& kind);
    // The items of the kind of board in play checked, and the board shown at its size, the window fitted around it.
    void ShowKind();
    // Another kind of board chosen: a new deal of it at once, and the choice kept.
    void ChooseBoard(const BoardKind& kind);
    // Shows the board just dealt or restored and starts the clock on it.
    void BeginPlay();
    // The clock running or not, and the items of what can be done, as the game's state has them.
    void ShowGameState();
    // A press of the mouse or the keys taken back, before the board changes under it.
    void TakeBackPress();

    void mnuFileNewGame_Click();
    void mnuFileNewNumberedGame_Click();
    void mnuFileRetry_Click();
    void mnuFilePause_Click();
    // Stops the clock and covers the board, or uncovers it and lets the clock go on from where it stood.
    void Pause(bool on);
    void mnuFileExit_Click();
    void mnuViewStatusbar_Click();
    void mnuViewHighScore_Click();
    void mnuViewSymbols_Click();
    void mnuViewZoomIn_Click();
    void mnuViewZoomOut_Click();
    void mnuViewNormalSize_Click();
    void mnuMoveUndo_Click();
    void mnuMoveRedo_Click();

    // GameFlow
    void ShowBricksLeft(BoardChange change, int cursor) override;
    void RetryGame() override;
    void NewGame() override;
    [[nodiscard]] QWidget* DialogOwner() override { return this; }

    Services services;
    Settings settings;
    PictureSlots Images;
    GameState game;
    BoardSurface* surface;
    BoardPainter painter;
    Animator animator;
    MoveExecutor moves;
    PointerTracker pointer;
    KeyboardPlay keyboard;
    ViewSettings view;
    BoardSettings boards;
    QTimer* Timer;
    QActionGroup* boardSizes = nullptr;
    QActionGroup* boardColours = nullptr;
    QAction* mnuFilePause = nullptr;
    QAction* mnuViewStatusbar = nullptr;
    QAction* mnuViewSymbols = nullptr;
    QAction* mnuViewZoomIn = nullptr;
    QAction* mnuViewZoomOut = nullptr;
    QAction* mnuViewNormalSize = nullptr;
    QAction* mnuMoveUndo = nullptr;
    QAction* mnuMoveRedo = nullptr;
    frmHighScore* highScore = nullptr;
    int zoom = ViewSettings::NormalZoom; // in percent
    bool askBeforeClosing = true;
};

#endif
