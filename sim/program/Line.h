#pragma once

// The simulator's end of the serial line: a pseudo-terminal it creates, or a serial device
// opened at 1200 baud, 8 data bits, odd parity, one stop bit. POSIX only.

#include <string>

namespace sim::program {

class Line {
  public:
    // A new pseudo-terminal in raw mode. The simulator keeps the terminal side open too, so
    // that the line stays up while no master has it open. Throws std::runtime_error.
    static Line openPseudoTerminal();
    // Throws std::runtime_error saying what failed and what the user can do.
    static Line openSerial(const std::string& path);

    Line(Line&& other) noexcept;
    Line& operator=(Line&&) = delete;
    Line(const Line&) = delete;
    ~Line();

    int fd() const { return m_fd; }
    const std::string& path() const { return m_path; }  // what a master opens
    bool isPseudoTerminal() const { return m_terminalFd >= 0; }

    // Raises or drops RTS (serial devices). Throws std::runtime_error when the port refuses.
    void setRts(bool on);
    // Waits until every byte written has left the port.
    void drain();
    // On a pseudo-terminal, bytes nobody reads pile up on the master's side; a real line does
    // not keep them. Drops them when more than `limit` bytes wait.
    void dropUnreadOutput(int limit);

  private:
    Line(int fd, int terminalFd, std::string path)
        : m_fd(fd), m_terminalFd(terminalFd), m_path(std::move(path)) {}

    int m_fd = -1;
    int m_terminalFd = -1;
    std::string m_path;
};

}  // namespace sim::program
