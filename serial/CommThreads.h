#pragma once

// The two worker threads of an open port and what they share.
//
// TCommThread (the event thread) waits on the port with poll and a wake-up pipe, so it uses no
// time while the line is idle and stops at once when asked. It turns what it sees into an event
// mask (bytes arrived, output drained, a modem line changed, a line error was counted) and hands
// it to the message thread as a notice, then waits until that notice has been processed before
// it looks at the port again: the processing reads what is waiting, so the event thread never
// reports the same bytes twice and never spins on input that is waiting to be read. It never
// calls the component.
//
// TMsgThread (the message thread) takes each notice and has it processed: on the main thread
// through the MainThreadDispatcher (waiting until it has run there) when one is set and
// UseMainThread is on, otherwise on the message thread itself.
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

class CommLink {
  public:
    CommLink(std::uint32_t eventMask, std::uint32_t baudRate, std::uint32_t inputQueueSize,
             bool useMainThread)
        : eventMask(eventMask),
          baudRate(baudRate),
          inputQueueSize(inputQueueSize),
          useMainThread(useMainThread) {}

    // Ends both threads: every wait below returns nothing from now on, the event thread wakes.
    void terminate();
    bool terminated() const;

    // Event thread -> message thread.
    void postNotice(const CommNotice& notice);
    std::optional<CommNotice> takeNotice();
    // Message thread -> event thread: the notice taken last has been processed.
    void finishNotice(const EventOutcome& outcome);
    std::optional<EventOutcome> waitFinished();

    // Main-thread tasks of the message thread.
    std::uint64_t newTask();
    void finishTask(std::uint64_t task, const EventOutcome& outcome);
    std::optional<EventOutcome> waitTask(std::uint64_t task);

    // Written by the component on the main thread, read by the event thread.
    std::atomic<std::uint32_t> eventMask;
    std::atomic<std::uint32_t> baudRate;
    std::atomic<std::uint32_t> inputQueueSize;
    std::atomic<bool> useMainThread;
    std::atomic<bool> txPending{false};  // bytes were written; tell when the output has drained
    posix::WakePipe wake;

  private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_terminated = false;
    std::deque<CommNotice> m_notices;
    std::optional<EventOutcome> m_finished;
    std::uint64_t m_lastTask = 0;
    std::uint64_t m_finishedTask = 0;
    EventOutcome m_taskOutcome;
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
    // Runs the event processing for one notice; must not throw.
    using Processor = std::function<EventOutcome(const CommNotice&)>;

    TMsgThread(std::shared_ptr<CommLink> link, Processor process,
               std::shared_ptr<MainThreadDispatcher> dispatcher);
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
