#pragma once

// The serial port as the driver program uses it: open by port number, close, the modem lines
// (DTR to power and detect the modem, DSR as its answer, RTS to key it), sending and purging.
// SerialDriverPort binds it to the serial component; tests put a fake in its place so that the
// start-up scan and the modem check run without hardware. Main thread only.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "driver/engine/EngineSeams.h"

namespace driver {

class DriverPort {
  public:
    virtual ~DriverPort() = default;

    // Closes an open port and opens port COM`number`. Throws serial::PortError (with the system
    // error) or another std::exception when the port cannot be opened; the port is then closed.
    virtual void open(int number) = 0;
    // Closes the port (nothing when closed). Throws when the system refuses.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The number of the last port opened or tried.
    virtual int number() const = 0;
    // The device the last open tried ("/dev/ttyUSB0"); empty when the name resolved to none.
    virtual std::string devicePath() const = 0;

    virtual void SetStateDTR(bool on) = 0;
    virtual void SetStateRTS(bool on) = 0;
    // DSR is on (false when the port is closed or has no modem lines).
    virtual bool dsr() const = 0;

    // Returns once every byte has been handed to the port; a failure is reported through
    // onLineError.
    virtual void SendString(std::span<const std::uint8_t> bytes) = 0;
    virtual void ClearDeviceInput() = 0;

    // A port to a HART-IP gateway has no modem lines and no line timing: the session it opens
    // is its check, and it says how it stands (the gateway, the session, why it has none).
    virtual bool isGateway() const { return false; }
    // Waits, events running, until the gateway's session is open or has failed; true when open.
    virtual bool waitForSession(MessagePump& /*pump*/) { return false; }
    // The gateway and its session, e.g. "hart-ip://10.0.0.7:5094 (TCP): session open"; empty
    // for a serial port.
    virtual std::string linkState() const { return {}; }

    // Received bytes, in order, each once; and line or write errors. Both arrive on the main
    // thread from its event loop.
    std::function<void(std::span<const std::uint8_t>)> onReceived;
    std::function<void()> onLineError;
    // The port closed by itself: its device went away (a USB adapter unplugged, the far side of
    // a pseudo-terminal closed). On the main thread; not called for close() or open().
    std::function<void()> onGone;
    // The link had a problem that ends transactions with "Communication Error!" until it is
    // over (a gateway that refused, closed its session or stopped answering): why, for people.
    std::function<void(const std::string&)> onProblem;
};

}  // namespace driver
