#pragma once

// SIGTERM, SIGINT and SIGHUP (the end of the user's session, Ctrl+C, a closed terminal) turned
// into a Qt signal on the main thread, so that a program closes cleanly (the driver releases its
// port, the logger writes the end of its record).
// The handler only writes the signal number into a socket pair; a QSocketNotifier reads it in
// the event loop. After the first signal the system's default action is back in place, so a
// second one ends a program that hangs while closing.
//
// One object at a time; it restores the previous handlers when destroyed.

#include <QObject>

class QSocketNotifier;

namespace platform {

class TerminationSignals : public QObject {
    Q_OBJECT

  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False, with errorString(), when the handlers could not be installed.
    bool isActive() const { return m_active; }
    const QString& errorString() const { return m_error; }

  signals:
    void received(int signalNumber);

  private:
    void readSignals();

    bool m_active = false;
    QString m_error;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace platform
