#pragma once

// The POSIX calls of the serial component: opening a port device for exclusive use, line
// settings, queue counts, purges, reading and writing, the event wait with its wake-up pipe, and
// the signal the event thread waits on while its event is processed. Every call retries on
// EINTR. Nothing here keeps state besides the wake-up pipe and the signal.

#include <semaphore.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "serial/Dcb.h"

namespace serial::posix {

struct OpenResult {
    int fd = -1;
    int error = 0;  // errno when fd is -1
};

// Opens a port device read-write, non-blocking, without becoming its controlling terminal and
// closed on exec, for exclusive use: an advisory lock (EBUSY when another program holds one) and
// TIOCEXCL (further opens fail with EBUSY). A path that is not a terminal device fails with
// ENOTTY.
OpenResult OpenPortDevice(const std::string& path);
// Gives up exclusive use and closes.
void ClosePortDevice(int fd);

// Sets raw mode (when asked) and the line settings of dcb: speed, data bits, parity, stop bits and
// flow control. Returns false when the DCB holds settings no port can take (see
// ApplyDcbToTermios): the line settings then stay as they were. Settings the port itself drops (a
// pseudo-terminal keeps no parity) are not detected: like every line-setting call, the system's
// result is not checked.
bool ApplyLineSettings(int fd, const DCB& dcb, bool makeRaw);

// The line settings the port has now, into dcb (ReadDcbFromTermios and the speed); false when the
// port cannot tell (dcb is then unchanged).
bool ReadLineSettings(int fd, DCB& dcb);

// Waits until the output queue has been sent (the flush of the output); false on failure.
bool DrainOutput(int fd);
// Suspends (false) or resumes (true) output, as a received XOFF / XON would.
bool SetOutputFlow(int fd, bool resume);
// Starts (true) or ends (false) a break condition on the line.
bool SetBreak(int fd, bool on);

// Bytes waiting in the input queue / not yet sent from the output queue; nothing on failure.
std::optional<std::uint32_t> InputQueueCount(int fd);
std::optional<std::uint32_t> OutputQueueCount(int fd);

// Discards input (kPurgeRxClear) and/or output (kPurgeTxClear) not yet read or sent.
bool Purge(int fd, std::uint32_t purgeFlags);

// Reads at most `size` bytes that are waiting; the count read (0 when none), or -errno.
long ReadWaiting(int fd, std::uint8_t* buffer, std::size_t size);

// Waits until bytes can be read, the port hangs up or fails, or timeoutMs passes (-1: no
// limit). True when bytes can be read.
bool WaitReadable(int fd, int timeoutMs);

struct WriteResult {
    std::size_t written = 0;
    int error = 0;  // errno of the failure; ETIMEDOUT when the time limit passed
};
// Hands every byte to the port, waiting with poll while its output queue is full. timeoutMs 0
// waits without limit; otherwise the whole write must be accepted within that time.
WriteResult WriteAll(int fd, const std::uint8_t* data, std::size_t size, std::uint32_t timeoutMs);

// A pipe that wakes a thread waiting in WaitForPort.
class WakePipe {
  public:
    WakePipe();  // throws std::system_error when no pipe can be made
    ~WakePipe();
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;

    void wake();   // any thread
    void drain();  // the waiting thread, after a wake-up
    int readFd() const { return m_read; }

  private:
    int m_read = -1;
    int m_write = -1;
};

// A count of signals one thread waits for and another gives: a POSIX semaphore, so that the
// waiter sleeps in one call and wakes without a lock to take again, as a condition variable
// would make it.
class Signal {
  public:
    Signal();  // throws std::system_error when no semaphore can be made
    ~Signal();
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    void give();  // any thread
    void take();  // waits until a signal was given, and uses it up

  private:
    sem_t m_semaphore;
};

struct WaitResult {
    bool readable = false;  // bytes can be read
    bool hangup = false;    // the far side hung up, or the port failed
    bool woken = false;     // the wake-up pipe was written
    int error = 0;          // errno when the wait itself failed
};
// Waits until the port has input (when watchInput), hangs up or fails, the pipe wakes, or
// timeoutMs passes (-1: no limit).
WaitResult WaitForPort(int fd, bool watchInput, const WakePipe& wake, int timeoutMs);

}  // namespace serial::posix
