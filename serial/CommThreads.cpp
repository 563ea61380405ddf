#include "serial/CommThreads.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "serial/SerialTypes.h"

namespace serial {

namespace {

// How often the modem lines and error counters are looked at while a trace of them is asked for:
// a port has no wake-up for a line change that poll could wait on.
constexpr int kLineWatchMs = 10;
// The longest single wait for the output queue to drain; the estimate from the queue count and
// the character time is usually shorter.
constexpr int kTxWatchMaxMs = 50;

constexpr std::uint32_t kLineEvents = kEvCts | kEvDsr | kEvRlsd | kEvRing | kEvBreak | kEvErr;

// Milliseconds for one character (start, 8 data, parity, stop bits) at the baud rate, at least 1.
int characterMs(std::uint32_t baud) {
    if (baud == 0) return 1;
    return std::max(1, static_cast<int>((11u * 1000u + baud - 1) / baud));
}

// Changes of the modem lines and growth of the error counters since the last look.
class LineWatch {
  public:
    LineWatch(int fd, LineControl& lines) : m_fd(fd), m_lines(lines) {
        m_state = m_lines.readLines(m_fd);
        m_counters = m_lines.readCounters(m_fd);
    }

    // False when the port can tell neither (a pseudo-terminal): nothing to watch.
    bool available() const { return m_state || m_counters; }

    std::uint32_t changes() {
        std::uint32_t events = 0;
        if (auto state = m_lines.readLines(m_fd)) {
            if (m_state) {
                const unsigned changed = *state ^ *m_state;
                if (changed & kLineCts) events |= kEvCts;
                if (changed & kLineDsr) events |= kEvDsr;
                if (changed & kLineCarrier) events |= kEvRlsd;
                if ((changed & kLineRing) && (*state & kLineRing)) events |= kEvRing;
            }
            m_state = state;
        }
        if (auto counters = m_lines.readCounters(m_fd)) {
            if (m_counters) {
                const LineCounters& was = *m_counters;
                if (counters->ring > was.ring) events |= kEvRing;
                if (counters->brk > was.brk) events |= kEvBreak;
                if (LineErrorBits(was, *counters, true) & ~kCeBreak) events |= kEvErr;
            }
            m_counters = counters;
        }
        return events;
    }

  private:
    int m_fd;
    LineControl& m_lines;
    std::optional<unsigned> m_state;
    std::optional<LineCounters> m_counters;
};

void runEventThread(int fd, const std::shared_ptr<CommLink>& link,
                    const std::shared_ptr<LineControl>& lines) {
    LineWatch watch(fd, *lines);
    bool unreadPending = false;  // bytes sit unread; report only when more arrive
    std::uint32_t unreadCount = 0;
    bool receiveAgain = false;  // a line error was reported; the waiting bytes come next

    while (!link->terminated()) {
        const std::uint32_t mask = link->eventMask.load();
        const bool watchLines = (mask & kLineEvents) && watch.available();
        const bool watchTx = (mask & kEvTxEmpty) && link->txPending.load();
        const int charMs = characterMs(link->baudRate.load());

        int timeoutMs = -1;
        auto limit = [&timeoutMs](int ms) {
            timeoutMs = timeoutMs < 0 ? ms : std::min(timeoutMs, ms);
        };
        if (receiveAgain) limit(0);
        if (unreadPending) limit(std::min(charMs, 10));
        if (watchLines) limit(kLineWatchMs);
        std::optional<std::uint32_t> outQueue;
        if (watchTx) {
            outQueue = posix::OutputQueueCount(fd);
            const std::uint32_t left = outQueue.value_or(0);
            limit(left == 0 ? 0 : std::clamp(static_cast<int>(left) * charMs, 1, kTxWatchMaxMs));
        }

        const posix::WaitResult w = posix::WaitForPort(fd, !unreadPending, link->wake, timeoutMs);
        if (w.woken) link->wake.drain();
        if (link->terminated()) break;
        if (w.error != 0) {
            link->process({CommNotice::Kind::PortFailed, 0, w.error});
            break;
        }

        std::uint32_t events = 0;
        // Readable input is reported as it is: the event processing counts what waits before it
        // reads. The count is asked for only where this thread decides by it.
        std::optional<std::uint32_t> counted;
        auto inQueue = [&counted, fd] {
            if (!counted) counted = posix::InputQueueCount(fd).value_or(0);
            return *counted;
        };
        if (receiveAgain) {
            receiveAgain = false;
            if (inQueue() > 0) events |= kEvRxChar;
        } else if (unreadPending) {
            if (inQueue() == 0) {
                unreadPending = false;  // purged or read by the owner
            } else if (inQueue() > unreadCount) {
                events |= kEvRxChar;
            } else {
                unreadCount = inQueue();
            }
        } else if (w.readable && (!w.hangup || inQueue() > 0)) {
            events |= kEvRxChar;
        }
        if ((events & kEvRxChar) && (mask & kEvRx80Full) &&
            inQueue() * 10 >= link->inputQueueSize.load() * 8) {
            events |= kEvRx80Full;
        }
        if (watchLines) events |= watch.changes();
        if ((mask & kEvTxEmpty) && link->txPending.load()) {
            const auto left = posix::OutputQueueCount(fd);
            if (!left || *left == 0) {
                link->txPending = false;
                events |= kEvTxEmpty;
            }
        }
        events &= mask;

        if (events != 0) {
            const auto outcome = link->process({CommNotice::Kind::ComEvent, events, 0});
            if (!outcome) break;
            unreadPending = outcome->left == EventOutcome::Left::Unread;
            unreadCount = outcome->waiting;
            receiveAgain = outcome->left == EventOutcome::Left::AfterError && outcome->waiting > 0;
        }
        if (w.hangup) {
            link->process({CommNotice::Kind::PortFailed, 0, EIO});
            break;
        }
    }
}

void runMessageThread(const std::shared_ptr<CommLink>& link) {
    while (auto notice = link->takeNotice()) {
        link->processTaken(*notice);
        if (notice->kind == CommNotice::Kind::PortFailed) break;
    }
}

}  // namespace

void CommLink::terminate() {
    {
        std::lock_guard lock(m_mutex);
        m_terminated = true;
    }
    m_noticePosted.notify_all();
    m_finished.give();
    wake.wake();
}

bool CommLink::terminated() const {
    std::lock_guard lock(m_mutex);
    return m_terminated;
}

std::optional<EventOutcome> CommLink::process(const CommNotice& notice) {
    const auto dispatcher = m_dispatcher.lock();
    if (dispatcher && useMainThread.load()) {
        dispatcher->post([link = shared_from_this(), notice] {
            // Runs on the main thread, where the port is also closed: a port closed since the
            // notice was posted is not touched.
            if (link->terminated()) return;
            link->finish(link->m_process(notice));
        });
    } else {
        {
            std::lock_guard lock(m_mutex);
            m_notices.push_back(notice);
        }
        m_noticePosted.notify_one();
    }
    // A failed port is shut down by its processing, which ends this thread too.
    if (notice.kind == CommNotice::Kind::PortFailed) return std::nullopt;

    for (;;) {
        m_finished.take();
        std::lock_guard lock(m_mutex);
        if (m_terminated) return std::nullopt;
        if (m_outcome) return std::exchange(m_outcome, std::nullopt);
    }
}

std::optional<CommNotice> CommLink::takeNotice() {
    std::unique_lock lock(m_mutex);
    m_noticePosted.wait(lock, [this] { return m_terminated || !m_notices.empty(); });
    if (m_terminated) return std::nullopt;
    CommNotice notice = m_notices.front();
    m_notices.pop_front();
    return notice;
}

void CommLink::processTaken(const CommNotice& notice) {
    finish(m_process(notice));
}

void CommLink::finish(const EventOutcome& outcome) {
    {
        std::lock_guard lock(m_mutex);
        m_outcome = outcome;
    }
    m_finished.give();
}

TCommThread::TCommThread(int handle, std::shared_ptr<CommLink> link,
                         std::shared_ptr<LineControl> lines)
    : m_thread([handle, link = std::move(link), lines = std::move(lines)] {
          runEventThread(handle, link, lines);
      }) {}

TCommThread::~TCommThread() {
    join();
}

void TCommThread::join() {
    if (m_thread.joinable()) m_thread.join();
}

TMsgThread::TMsgThread(std::shared_ptr<CommLink> link)
    : m_thread([link = std::move(link)] { runMessageThread(link); }) {}

TMsgThread::~TMsgThread() {
    joinOrRelease();
}

void TMsgThread::joinOrRelease() {
    if (!m_thread.joinable()) return;
    if (m_thread.get_id() == std::this_thread::get_id()) {
        m_thread.detach();
    } else {
        m_thread.join();
    }
}

}  // namespace serial
