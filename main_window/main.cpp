#include "frm_main.h"

#include "platform/clock.h"
#include "platform/desktop_motion.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/termination_signal.h"
#include "platform/ticks.h"
#include "platform/translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vondrel.Bricks"));
    // Before the first widget, which takes its texts as it is made.
    const Translations translations(QLocale::system().uiLanguages());

    SystemClock clock;
    SystemTicks ticks;
    Random random;
    QtDialogs dialogs;
    SettingsStore store;
    frmMain window({clock, ticks, random, dialogs, store});

    // The system or the desktop session is ending the program: no question, just end,
    // also from inside an open dialogue. A session saved without ending, a checkpoint, leaves the game be.
    const auto endNow = [&window] {
        window.Unload();
        QCoreApplication::exit(0);
    };
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::Received, &window, endNow);

    window.show();
    // Asked once the window is up, and never waited for: until the desktop answers, the animations run.
    const DesktopMotion motion(QDBusConnection::sessionBus());
    QObject::connect(&motion, &DesktopMotion::Changed, &window, &frmMain::ReduceMotion);
    return QApplication::exec();
}
