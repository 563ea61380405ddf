#pragma once

// Whether a HART modem answers on the open port. The modem powers itself from DTR and answers
// with DSR, so DSR must follow DTR on, off and on again; a port without modem lines (or with DSR
// tied high) fails. DTR is left on. A HART-IP gateway has no modem: its session is the check.

#include "driver/app/DriverPort.h"
#include "driver/engine/EngineSeams.h"

namespace driver {

// Each reading comes 10 ms after the switch, while events keep running. All three readings are
// taken, unless the program starts to end during a wait: then the check stops and fails.
bool DetectModem(DriverPort& port, MessagePump& pump);

}  // namespace driver
