#pragma once

// The two worker threads of an open port and what they share.
//
// TCommThread (the event thread) waits on the port with poll and a wake-up pipe, so it uses no
// time while the line is idle and stops at once when asked. It turns what it sees into an event
// mask (bytes arrived, output drained, a modem line changed, a line error was counted) and hands
// it over as a notice, then waits until that notice has been processed before it looks at the
// port again: the processing reads what is waiting, so the event thread never reports the same
// bytes twice and never spins on input that is waiting to be read. It never calls the component.
//
// Where a notice is processed: on the main thread, through the MainThreadDispatcher, when one is
// set and UseMainThread is on; the event thread posts it there itself, so that a receive event
// costs one hand-over to the main thread and one back. Otherwise TMsgThread (the message thread)
// takes the notice and processes it.
//
// CommLink is shared by the component and both threads and outlives whichever ends last, so a
// task queued on the main thread after the port closed finds the link marked terminated and does
// nothing.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "serial/LineControl.h"
#include "serial/MainThreadDispatcher.h"
#include "serial/posix/PortDevice.h"

namespace serial {

struct CommNotice {
    enum class Kind {
        ComEvent,    // port events in `events`
        PortFailed,  // waiting on the port failed or the far side hung up: shut the port down
    };
    Kind kind = Kind::ComEvent;
    std::uint32_t events = 0;
    int systemError = 0;
};

// What the processing of one notice left in the input queue, for the event thread's next wait.
struct EventOutcome {
    enum class Left {
        Nothing,     // everything waiting was read (or nothing was waiting)
        AfterError,  // a line error was reported; the bytes waiting belong to the next event
        Unread,      // nobody reads: the bytes stay; report again only when more arrive
    };
    Left left = Left::Nothing;
    std::uint32_t waiting = 0;  // bytes seen waiting and left there
};

class CommLink : public std::enable_shared_from_this<CommLink> {
  public:
    // Runs the event processing for one notice; must not throw.
    using Processor = std::function<EventOutcome(const CommNotice&)>;

    CommLink(std::uint32_t eventMask, std::uint32_t baudRate, std::uint32_t inputQueueSize,
             bool useMainThread, Processor process,
             std::shared_ptr<MainThreadDispatcher> dispatcher)
        : eventMask(eventMask),
          baudRate(baudRate),
          inputQueueSize(inputQueueSize),
          useMainThread(useMainThread),
          m_process(std::move(process)),
          m_dispatcher(std::move(dispatcher)) {}

    // Ends both threads: every wait below returns nothing from now on, the event thread wakes.
    void terminate();
    bool terminated() const;

    // Event thread: has the notice processed, on the main thread or by the message thread, and
    // then, unless it reports a failed port, waits for the outcome. Nothing once terminated.
    std::optional<EventOutcome> process(const CommNotice& notice);

    // Message thread: the next notice for it (nothing once terminated), and running it.
    std::optional<CommNotice> takeNotice();
    void processTaken(const CommNotice& notice);

    // Written by the component on the main thread, read by the event thread.
    std::atomic<std::uint32_t> eventMask;
    std::atomic<std::uint32_t> baudRate;
    std::atomic<std::uint32_t> inputQueueSize;
    std::atomic<bool> useMainThread;
    std::atomic<bool> txPending{false};  // bytes were written; tell when the output has drained
    posix::WakePipe wake;

  private:
    void finish(const EventOutcome& outcome);

    const Processor m_process;
    // Not owned: a task left in the dispatcher's queue holds the link, which must not hold the
    // dispatcher in turn.
    const std::weak_ptr<MainThreadDispatcher> m_dispatcher;

    // Given once for every notice processed, and by terminate(): the event thread waits on it.
    posix::Signal m_finished;
    mutable std::mutex m_mutex;
    std::condition_variable m_noticePosted;  // the message thread waits on it
    bool m_terminated = false;
    std::deque<CommNotice> m_notices;
    std::optional<EventOutcome> m_outcome;
};

class TCommThread {
  public:
    // Copies the port handle; the port must stay open until join() returns.
    TCommThread(int handle, std::shared_ptr<CommLink> link, std::shared_ptr<LineControl> lines);
    ~TCommThread();
    TCommThread(const TCommThread&) = delete;
    TCommThread& operator=(const TCommThread&) = delete;

    // Waits for the thread to end (terminate the link first).
    void join();

  private:
    std::thread m_thread;
};

class TMsgThread {
  public:
    explicit TMsgThread(std::shared_ptr<CommLink> link);
    ~TMsgThread();
    TMsgThread(const TMsgThread&) = delete;
    TMsgThread& operator=(const TMsgThread&) = delete;

    // Waits for the thread to end (terminate the link first). Called from the message thread
    // itself (an event handler closed the port), the thread is let go instead: it ends as soon
    // as the processing returns and touches nothing but the link from then on.
    void joinOrRelease();

  private:
    std::thread m_thread;
};

}  // namespace serial
