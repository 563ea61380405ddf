#pragma once

// The exception the serial component raises when an operation cannot go on (opening a port that
// cannot be opened, above all). what() is the component's message text; the exception carries
// the system error code behind it, so a caller can tell the user what to do about it.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace serial {

// What a system error code means for someone opening a port.
enum class PortFailure {
    None,              // no system error
    PermissionDenied,  // the user may not use the device (on Linux: not in the dialout group)
    Busy,              // another program holds the port
    NoSuchPort,        // no device goes by that name, or it has gone
    NotAPort,          // the name is not a serial device
    Other,
};

// The one place where system error codes are sorted for the messages above.
PortFailure ClassifyPortError(int systemError);

// The system's text for an error code ("No such file or directory").
std::string SystemErrorText(int systemError);

class PortError : public std::runtime_error {
  public:
    PortError(const std::string& message, std::uint32_t errorCode, std::uint32_t detail,
              int systemError)
        : std::runtime_error(message),
          m_errorCode(errorCode),
          m_detail(detail),
          m_systemError(systemError) {}

    std::uint32_t errorCode() const { return m_errorCode; }  // the fatal error's code (1)
    std::uint32_t detail() const { return m_detail; }
    int systemError() const { return m_systemError; }  // errno, 0 when there was none
    PortFailure failure() const { return ClassifyPortError(m_systemError); }

  private:
    std::uint32_t m_errorCode;
    std::uint32_t m_detail;
    int m_systemError;
};

}  // namespace serial
