#ifndef PLATFORM_TERMINATION_SIGNAL_H
#define PLATFORM_TERMINATION_SIGNAL_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, the system's request to end the program, into a Qt signal delivered
// on the user-interface thread, where the program can end cleanly.
class TerminationSignal final : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void Received();

private:
    static void Handle(int signal);

    QSocketNotifier* notifier;
};

#endif
