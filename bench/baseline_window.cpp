// The baseline for start-up time and memory: a bare window of the game's kind, a menu bar
// with two menus, a status bar with two panels and a board-sized central area, but no game.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* area = new QWidget;
    area->setFixedSize(320, 448);
    area->setAutoFillBackground(true);
    area->setPalette(QColor(100, 135, 220));
    window.setCentralWidget(area);
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New game"));
    file->addAction(QStringLiteral("&Exit"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("&Statusbar"));
    window.statusBar()->setSizeGripEnabled(false);
    for (const QString& text : {QStringLiteral("Blocks:"), QStringLiteral("Time:")}) {
        auto* panel = new QLabel(text);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        window.statusBar()->addWidget(panel);
    }
    // Where the game puts its window, so the probe finds the central area at the board's place.
    window.move(271, 81 - window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
