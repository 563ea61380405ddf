#pragma once

// Translation of the line record (DCB) to POSIX terminal settings. Pure functions: no port is
// touched here (PortDevice applies the result).

#include <termios.h>

#include <cstdint>
#include <optional>

#include "serial/Dcb.h"

namespace serial::posix {

// Raw mode: no echo, line editing, signals, character translation or output processing; the
// receiver on and the modem status lines not controlling the port (CLOCAL); reads return at once
// with what is waiting (VMIN = VTIME = 0). Break is not turned into a signal: it reads as a NUL
// byte and is counted as a line error.
void MakeRaw(termios& t);

// Sets data bits, parity, stop bits and flow control of t from dcb (the speed is set apart, see
// StandardSpeed). Parity is generated and checked by the port, but a byte with a parity error is
// delivered as received (no INPCK/PARMRK): the error is reported from the port's error counters,
// as the flag kDcbParity asks. Hardware flow control is CRTSCTS for CTS output flow or RTS
// handshake; XON/XOFF uses the DCB's characters.
// Returns false and leaves t unchanged for settings a serial port cannot take: data bits outside
// 5..8, 1.5 stop bits with more than 5 data bits, 2 stop bits with 5 data bits, a parity code
// above 4 (or mark/space where the system has no stick parity), XON/XOFF with equal characters.
bool ApplyDcbToTermios(termios& t, const DCB& dcb);

// The termios speed constant of a standard baud rate; nothing for other rates.
std::optional<speed_t> StandardSpeed(std::uint32_t baud);
// The baud rate of a termios speed constant; nothing for BOTHER and unknown constants.
std::optional<std::uint32_t> StandardRate(speed_t speed);

// The other way: data bits, parity (and the parity-check flag), stop bits and flow control of
// dcb as the port has them in t. The flags that termios cannot tell (DTR control, DSR
// sensitivity ...) stay as they are; RTS control becomes handshake with hardware flow control
// and, without it, enable where it was handshake.
void ReadDcbFromTermios(const termios& t, DCB& dcb);

}  // namespace serial::posix
