#include "driver/app/QtMessagePump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace driver {

bool QtMessagePump::WaitPumping(int ms) {
    if (m_terminating || ms <= 0) return m_terminating;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    m_waits.push_back(&loop);
    loop.exec();
    m_waits.pop_back();
    return m_terminating;
}

void QtMessagePump::requestQuit(int exitCode) {
    if (!m_terminating) m_exitCode = exitCode;
    m_terminating = true;
    // QCoreApplication::exit() does nothing before the main loop runs (during the start-up
    // scan), so the waits in progress are left here as well.
    for (QEventLoop* loop : m_waits)
        loop->exit(m_exitCode);
    QCoreApplication::exit(m_exitCode);
}

}  // namespace driver
