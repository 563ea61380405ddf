#pragma once

// TscComm: the serial port component as programs use it. It publishes the properties of
// TscCustomSerialComm and has no behaviour of its own. Construction values: closed, 19200 baud,
// no parity, one stop bit, 8 data bits, COM1, no trace states, hardware flow control, 8192-byte
// queues, no time-outs, RS485 mode off, UseMainThread on.
//
// Typical use (the driver):
//   serial::TscComm port;
//   port.setDispatcher(std::make_shared<serial::QtMainThreadDispatcher>());
//   port.setBaudRate(1200); port.setParity(serial::pOdd); port.setStreamProtocol(serial::spNone);
//   port.OnAfterReceive = [](serial::TscBaseIO&, const std::uint8_t* bytes, std::uint32_t n) {..};
//   port.setComPortNo(3);
//   port.setActive(true);  // throws serial::PortError with the open-failure text

#include "serial/TscCustomSerialComm.h"

namespace serial {

class TscComm final : public TscCustomSerialComm {};

}  // namespace serial
