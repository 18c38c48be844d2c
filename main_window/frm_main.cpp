#include "frm_main.h"

#include "board/deal_sequence.h"
#include "drawing/board_surface.h"
#include "drawing/brick_picture.h"
#include "platform/clock.h"
#include "platform/date_time.h"
#include "platform/dialogs.h"
#include "platform/fixed_size_window.h"
#include "scores/frm_high_score.h"
#include "status_panel.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace {

// Where the board's top-left corner first appears on the screen.
constexpr QPoint DesignClientPosition(271, 81);
// The client area as designed, before the first fitting replaces it.
constexpr QSize DesignClientSize(320, 466);
constexpr int TimerInterval = 200;

const QString BricksPanel = QStringLiteral("Bricks");
const QString TimePanel = QStringLiteral("Time");

// The items of the board's sizes, smallest first: names, and captions that take the size from the size itself.
constexpr std::array<std::pair<const char*, const char*>, BoardSizes.size()> SizeItems{{
    //: A size of board, %1 columns by %2 rows.
    {"mnuFileBoardSmall", QT_TRANSLATE_NOOP("frmMain", "&Small (%1 × %2)")},
    //: A size of board, %1 columns by %2 rows: the usual one.
    {"mnuFileBoardNormal", QT_TRANSLATE_NOOP("frmMain", "&Normal (%1 × %2)")},
    //: A size of board, %1 columns by %2 rows.
    {"mnuFileBoardLarge", QT_TRANSLATE_NOOP("frmMain", "&Large (%1 × %2)")},
}};

// A deal's number as the player writes it: its digits, spaces around them allowed, and in range.
std::optional<std::uint64_t> DealNumberIn(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    const QString number = text.trimmed();
    if (!digits.match(number).hasMatch()) return std::nullopt;
    const std::uint64_t value = number.toULongLong();
    if (value < 1 || value > DealSequence::LargestNumber) return std::nullopt;
    return value;
}

} // namespace

frmMain::frmMain(const Services& services, QWidget* parent)
    : QMainWindow(parent), services(services), settings(services.store), Images(BrickPicture::LoadSlots()),
      surface(new BoardSurface(this)), painter(*surface, surface->Shape(), surface->devicePixelRatioF()),
      animator(painter, services.ticks),
      moves({game, painter, animator, settings, services.dialogs, services.clock, *this}),
      pointer(game, painter, [this](const BrickCollection& group) { moves.RemoveGroup(group, surface->Cursor()); }),
      keyboard(game, Images, pointer, *surface), view(services.store), boards(services.store), Timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Bricks"));
    // A fixed border: a title and a close box, but no way to resize, maximise or minimise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setCentralWidget(surface);
    ConnectBoard();
    CreateFileMenu();
    CreateViewMenu();
    CreateMoveMenu();
    CreateStatusBar();
    game.Changed = [this] { ShowGameState(); };
    painter.ShowSymbols(mnuViewSymbols->isChecked());
    Timer->setInterval(TimerInterval);
    connect(Timer, &QTimer::timeout, this, &frmMain::Timer_Timer);
    PlaceAtDesignPosition();

    Form_Load();
}

frmMain::~frmMain()
{
    // The board's events, its callbacks and its accessibility reach the keyboard and the pointer, which go
    // before the window's children do: so the board goes first.
    delete surface;
}

void frmMain::ConnectBoard()
{
    connect(surface, &BoardSurface::MouseDown, this, [this](Qt::MouseButtons b, QPointF p) {
        if (pointer.MouseDown(b, p)) keyboard.Hide();
    });
    connect(surface, &BoardSurface::MouseMove, this,
            [this](Qt::MouseButtons b, QPointF p) { pointer.MouseMove(b, p); });
    connect(surface, &BoardSurface::MouseUp, this, [this](Qt::MouseButtons b, QPointF p) { pointer.MouseUp(b, p); });
    connect(surface, &BoardSurface::Key, this,
            [this](int key, bool down, bool autoRepeat) { keyboard.Key(key, down, autoRepeat); });
    connect(surface, &BoardSurface::FocusLost, this, [this] { keyboard.TakeBackPress(); });
    connect(surface, &BoardSurface::ResumeClicked, this, [this] { Pause(false); });
    connect(surface, &BoardSurface::ZoomWheel, this, [this](int steps) {
        ChangeZoom(std::clamp(zoom + steps * ViewSettings::ZoomStep, ViewSettings::NormalZoom, LargestFittingZoom()));
    });
    surface->DescribeCell = [this](int cell) { return keyboard.Describe(cell); };
    // Keys go to the board from the start, without a click first.
    surface->setFocus();
}

QAction* frmMain::AddItem(QMenu* menu, const QString& name, const QString& caption, void (frmMain::*handler)())
{
    QAction* item = menu->addAction(caption, this, handler);
    item->setObjectName(name);
    return item;
}

void frmMain::CreateFileMenu()
{
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    AddItem(mnuFile, QStringLiteral("mnuFileNewGame"), tr("&New game"), &frmMain::mnuFileNewGame_Click);
    AddItem(mnuFile, QStringLiteral("mnuFileNewNumberedGame"), tr("New n&umbered game…"),
            &frmMain::mnuFileNewNumberedGame_Click);
    AddItem(mnuFile, QStringLiteral("mnuFileRetry"), tr("&Retry"), &frmMain::mnuFileRetry_Click);
    mnuFilePause = AddItem(mnuFile, QStringLiteral("mnuFilePause"), tr("&Pause"), &frmMain::mnuFilePause_Click);
    mnuFilePause->setCheckable(true);
    mnuFilePause->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    CreateBoardMenu(mnuFile);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileLine1"));
    AddItem(mnuFile, QStringLiteral("mnuFileExit"), tr("&Exit"), &frmMain::mnuFileExit_Click);
}

void frmMain::CreateBoardMenu(QMenu* mnuFile)
{
    QMenu* mnuFileBoard = mnuFile->addMenu(tr("&Board"));
    mnuFileBoard->setObjectName(QStringLiteral("mnuFileBoard"));
    boardSizes = new QActionGroup(this);
    for (std::size_t i = 0; i < BoardSizes.size(); ++i) {
        const Geometry shape = BoardSizes[i];
        QAction* item = mnuFileBoard->addAction(tr(SizeItems[i].second).arg(shape.Columns()).arg(shape.Rows()));
        item->setObjectName(QString::fromLatin1(SizeItems[i].first));
        item->setData(QSize(shape.Columns(), shape.Rows()));
        connect(item, &QAction::triggered, this, [this, shape] { ChooseBoard({shape, game.Kind().colours}); });
        boardSizes->addAction(item)->setCheckable(true);
    }
    mnuFileBoard->addSeparator();
    boardColours = new QActionGroup(this);
    for (int count = FewestColours; count <= ColourCount; ++count) {
        //: How many colours the bricks of a board come in, 3 to 6, its access key on the number.
        QAction* item = mnuFileBoard->addAction(tr("&%n colours", "", count));
        item->setObjectName(QStringLiteral("mnuFileBoardColours%1").arg(count));
        item->setData(count);
        connect(item, &QAction::triggered, this, [this, count] { ChooseBoard({game.Kind().shape, count}); });
        boardColours->addAction(item)->setCheckable(true);
    }
}

void frmMain::CreateViewMenu()
{
    QMenu* mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewStatusbar
        = AddItem(mnuView, QStringLiteral("mnuViewStatusbar"), tr("&Statusbar"), &frmMain::mnuViewStatusbar_Click);
    mnuViewStatusbar->setCheckable(true);
    mnuViewStatusbar->setChecked(true);
    AddItem(mnuView, QStringLiteral("mnuViewHighScore"), tr("&High score"), &frmMain::mnuViewHighScore_Click);
    mnuViewSymbols
        = AddItem(mnuView, QStringLiteral("mnuViewSymbols"), tr("&Colour symbols"), &frmMain::mnuViewSymbols_Click);
    mnuViewSymbols->setCheckable(true);
    mnuViewSymbols->setChecked(view.Symbols());
    mnuView->addSeparator()->setObjectName(QStringLiteral("mnuViewLine1"));
    // The shortcuts of the desktops' guidelines; Qt takes the keypad's +, - and 0 for them too.
    mnuViewZoomIn = AddItem(mnuView, QStringLiteral("mnuViewZoomIn"), tr("Zoom &in"), &frmMain::mnuViewZoomIn_Click);
    mnuViewZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuViewZoomOut
        = AddItem(mnuView, QStringLiteral("mnuViewZoomOut"), tr("Zoom &out"), &frmMain::mnuViewZoomOut_Click);
    mnuViewZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuViewNormalSize
        = AddItem(mnuView, QStringLiteral("mnuViewNormalSize"), tr("&Normal size"), &frmMain::mnuViewNormalSize_Click);
    mnuViewNormalSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
}

void frmMain::CreateMoveMenu()
{
    // The desktops' standard keys: Ctrl+Z, and Ctrl+Shift+Z shown for Redo, as GNOME and KDE show it, where Qt's
    // generic list begins with Ctrl+Y; every binding of the list works.
    QMenu* mnuMove = menuBar()->addMenu(tr("&Move"));
    mnuMove->setObjectName(QStringLiteral("mnuMove"));
    mnuMoveUndo = AddItem(mnuMove, QStringLiteral("mnuMoveUndo"), tr("&Undo"), &frmMain::mnuMoveUndo_Click);
    mnuMoveUndo->setShortcuts(QKeySequence::Undo);
    mnuMoveRedo = AddItem(mnuMove, QStringLiteral("mnuMoveRedo"), tr("&Redo"), &frmMain::mnuMoveRedo_Click);
    QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence shiftZ(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    redo.removeAll(shiftZ);
    redo.prepend(shiftZ);
    mnuMoveRedo->setShortcuts(redo);
}

void frmMain::CreateStatusBar()
{
    // The window has a fixed size, so there is nothing to grip.
    statusBar()->setSizeGripEnabled(false);
    //: The panel of the bricks left, before its first count: the bricks are meant.
    const QString bricksText = tr("Blocks:");
    //: The name of the panel of the bricks left, as a screen reader says it before the count.
    const QString bricksName = tr("Bricks left");
    //: The panel of the time played, before its first reading.
    const QString timeText = tr("Time:");
    //: The name of the panel of the time played, as a screen reader says it before the time.
    const QString timeName = tr("Time");
    const std::tuple<QString, QString, QString> panels[]
        = {{BricksPanel, bricksText, bricksName}, {TimePanel, timeText, timeName}};
    for (const auto& [key, designText, name] : panels) {
        auto* panel = new StatusPanel(name, designText, statusBar());
        panel->setObjectName(key);
        statusBar()->addWidget(panel);
    }
}

StatusPanel* frmMain::Panel(const QString& key) const
{
    return statusBar()->findChild<StatusPanel*>(key, Qt::FindDirectChildrenOnly);
}

void frmMain::PlaceAtDesignPosition()
{
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(QRect(DesignClientPosition - QPoint(0, menuHeight), DesignClientSize + QSize(0, menuHeight)));
    setFixedSize(size());
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only now is the screen the window is on known for sure; moving to another may change the density.
    MatchScreen();
    connect(windowHandle(), &QWindow::screenChanged, this, &frmMain::MatchScreen, Qt::UniqueConnection);
    connect(windowHandle(), &QWindow::windowStateChanged, this, &frmMain::RefuseMaximized, Qt::UniqueConnection);
    // The first showing counts as an activation, also where no window manager activates.
    if (!event->spontaneous()) Form_Activate();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (askBeforeClosing && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Timer->stop();
    event->accept();
}

void frmMain::Unload()
{
    askBeforeClosing = false;
    close();
}

void frmMain::Form_Load()
{
    Deal(DealSequence::RandomNumber(services.random), boards.Kind());
}

void frmMain::Form_Activate()
{
    FitWindow();
    KeepInsideScreen();
}

bool frmMain::Form_QueryUnload()
{
    return services.dialogs.MsgBox(this, tr("Do you want to exit?"), MessageStyle::YesNoQuestion, QString())
           != MessageAnswer::No;
}

void frmMain::NewGame()
{
    Deal(DealSequence::RandomNumber(services.random), game.Kind());
}

void frmMain::Deal(std::uint64_t number, const BoardKind& kind)
{
    game.GenerateBoard(number, kind, Images);
    ShowKind();
    BeginPlay();
}

void frmMain::ShowKind()
{
    for (QAction* item : boardSizes->actions())
        item->setChecked(item->data().toSize() == QSize(game.Kind().shape.Columns(), game.Kind().shape.Rows()));
    for (QAction* item : boardColours->actions()) item->setChecked(item->data().toInt() == game.Kind().colours);
    const Geometry& shape = game.Kind().shape;
    if (shape == surface->Shape()) return;
    surface->SetShape(shape);
    painter.SizeBuffer(shape);
    keyboard.ShapeChanged();
    // The window takes the new size once shown, at a zoom that fits.
    if (isVisible()) MatchScreen();
}

void frmMain::ChooseBoard(const BoardKind& kind)
{
    if (kind == game.Kind()) return;
    Deal(DealSequence::RandomNumber(services.random), kind);
    KeepChoice(boards.SaveKind(kind));
}

void frmMain::RetryGame()
{
    game.RestoreStartBoard();
    BeginPlay();
}

void frmMain::BeginPlay()
{
    // The button or a key may still be down from a press on the old board; its release must
    // not remove those cells from this one.
    pointer.CancelPress();
    surface->Cover(false);
    painter.Render(game.Board);
    painter.ShowBuffer();
    game.Begin(services.clock.Now());
    ShowBricksLeft(BoardChange::Dealt, -1);
}

void frmMain::ShowGameState()
{
    const bool running = !game.Paused() && !game.Ended();
    if (running && !Timer->isActive()) Timer->start();
    if (!running) Timer->stop();
    mnuFilePause->setEnabled(!game.Ended());
    mnuFilePause->setChecked(game.Paused());
    mnuMoveUndo->setEnabled(game.CanUndo());
    mnuMoveRedo->setEnabled(game.CanRedo());
}

void frmMain::MatchScreen()
{
    ApplyZoom(std::min(view.Zoom(), LargestFittingZoom()));
}

int frmMain::LargestFittingZoom() const
{
    const QSize area = screen()->availableGeometry().size();
    const QSize around = frameGeometry().size() - surface->size();
    int largest = ViewSettings::NormalZoom;
    for (int percent = largest; percent <= ViewSettings::LargestZoom; percent += ViewSettings::ZoomStep) {
        const QSize window = around + QSize(game.Kind().shape.Width(), game.Kind().shape.Height()) * (percent / 100.0);
        if (window.width() <= area.width() && window.height() <= area.height()) largest = percent;
    }
    return largest;
}

void frmMain::ApplyZoom(int percent)
{
    zoom = percent;
    surface->SetZoom(zoom / 100.0);
    if (painter.UseScale(zoom / 100.0, surface->devicePixelRatioF())) RedrawBoard();
    FitWindow();
    KeepInsideScreen();
    OfferZoomSteps();
}

void frmMain::OfferZoomSteps()
{
    mnuViewZoomIn->setEnabled(zoom < LargestFittingZoom());
    mnuViewZoomOut->setEnabled(zoom > ViewSettings::NormalZoom);
    mnuViewNormalSize->setEnabled(zoom > ViewSettings::NormalZoom);
}

void frmMain::ChangeZoom(int percent)
{
    if (percent == zoom || percent < ViewSettings::NormalZoom || percent > LargestFittingZoom()) return;
    ApplyZoom(percent);
    KeepChoice(view.SaveZoom(percent));
}

void frmMain::RedrawBoard()
{
    painter.Render(game.Board);
    pointer.RedrawPressed();
    painter.ShowBuffer();
}

void frmMain::RefuseMaximized(Qt::WindowState state)
{
    // The signal comes straight from the request, so the withdrawal can still follow it.
    if (state != Qt::WindowMaximized) return;
    windowHandle()->setWindowStates(windowHandle()->windowStates() & ~Qt::WindowMaximized);
    WithdrawMaximizeRequest(*windowHandle());
}

void frmMain::FitWindow()
{
    // Inside this window the only frame around the client area is the menu bar, whose
    // height depends on whether its items wrap; it is measured each time, not assumed.
    const QSize outer = size();
    const QSize client(width(), height() - menuBar()->height());
    const int statusBarTerm = statusBar()->isHidden() ? 0 : statusBar()->height();
    const QSize board = painter.Buffer().deviceIndependentSize().toSize();
    setFixedSize(outer.width() - client.width() + board.width(),
                 outer.height() - client.height() + board.height() + statusBarTerm);
}

void frmMain::KeepInsideScreen()
{
    const QRect area = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    // A window taller or wider than the area keeps its title bar in it.
    const QPoint inside(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
                        std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    if (inside != frame.topLeft()) move(inside);
}

void frmMain::Timer_Timer()
{
    Panel(TimePanel)->SetValue(FormatLongTime(game.TimePlayed(services.clock.Now())));
}

void frmMain::ShowBricksLeft(BoardChange change, int cursor)
{
    Panel(BricksPanel)->SetValue(QString::number(game.BricksLeft));
    keyboard.BoardChanged(change, cursor);
}

void frmMain::mnuFileNewGame_Click()
{
    NewGame();
}

void frmMain::mnuFileNewNumberedGame_Click()
{
    const QString text
        = services.dialogs.InputBox(this, tr("Board number, from 1 to %1:").arg(DealSequence::LargestNumber),
                                    tr("New numbered game"), QString::number(game.Number()));
    // Cancelled, the game goes on as it was.
    if (text.isEmpty()) return;
    if (const std::optional<std::uint64_t> number = DealNumberIn(text)) {
        Deal(*number, game.Kind());
        return;
    }
    services.dialogs.MsgBox(this,
                            tr("That is not a board number: a board number is a whole number from 1 to %1.")
                                .arg(DealSequence::LargestNumber),
                            MessageStyle::OkWarning, tr("New numbered game"));
}

void frmMain::mnuFileRetry_Click()
{
    RetryGame();
}

void frmMain::mnuFilePause_Click()
{
    // The item has flipped its own check mark already.
    Pause(mnuFilePause->isChecked());
}

void frmMain::Pause(bool on)
{
    if (on) {
        // Nothing stays pressed under the cover, and its release will find nothing held.
        TakeBackPress();
        // The clock as it stands, to the second.
        Timer_Timer();
    }
    game.Pause(on, services.clock.Now());
    surface->Cover(on);
}

void frmMain::TakeBackPress()
{
    pointer.Withdraw(PointerTracker::Hand::Mouse);
    keyboard.TakeBackPress();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuViewStatusbar_Click()
{
    // The item has flipped its own check mark already; the status bar follows it.
    statusBar()->setVisible(mnuViewStatusbar->isChecked());
    FitWindow();
    OfferZoomSteps();
}

void frmMain::mnuViewHighScore_Click()
{
    if (highScore == nullptr) highScore = new frmHighScore(settings, this);
    highScore->ShowKind(game.Kind());
    highScore->exec();
}

void frmMain::mnuViewSymbols_Click()
{
    // The item has flipped its own check mark already; the board and the kept choice follow it.
    painter.ShowSymbols(mnuViewSymbols->isChecked());
    RedrawBoard();
    KeepChoice(view.SaveSymbols(mnuViewSymbols->isChecked()));
}

void frmMain::mnuViewZoomIn_Click()
{
    ChangeZoom(zoom + ViewSettings::ZoomStep);
}

void frmMain::mnuViewZoomOut_Click()
{
    ChangeZoom(zoom - ViewSettings::ZoomStep);
}

void frmMain::mnuViewNormalSize_Click()
{
    ChangeZoom(ViewSettings::NormalZoom);
}

void frmMain::mnuMoveUndo_Click()
{
    TakeBackPress();
    moves.UndoMove();
}

void frmMain::mnuMoveRedo_Click()
{
    TakeBackPress();
    moves.RedoMove();
}

void frmMain::KeepChoice(bool saved)
{
    if (saved) return;
    services.dialogs.MsgBox(this, tr("Your choice could not be kept: the settings file cannot be written."),
                            MessageStyle::OkWarning, QString());
}
