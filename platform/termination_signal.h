#ifndef PLATFORM_TERMINATION_SIGNAL_H
#define PLATFORM_TERMINATION_SIGNAL_H

#include <QObject>

class QSocketNotifier;

// Turns the requests to end the program that come from outside into one Qt signal, delivered on the
// user-interface thread, where the program can end cleanly: SIGTERM from the system, and the end of the
// desktop session, which Qt delivers as a quit event when the session manager says its last word.
class TerminationSignal final : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void Received();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void Handle(int signal);

    QSocketNotifier* notifier;
};

#endif
