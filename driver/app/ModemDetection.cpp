#include "driver/app/ModemDetection.h"

namespace driver {

namespace {

constexpr int kSettleMs = 10;

}  // namespace

bool DetectModem(DriverPort& port, MessagePump& pump) {
    if (port.isGateway()) return port.waitForSession(pump);
    bool answered = true;
    for (const bool dtr : {true, false, true}) {
        port.SetStateDTR(dtr);
        if (pump.WaitPumping(kSettleMs)) return false;
        if (port.dsr() != dtr) answered = false;
    }
    return answered;
}

}  // namespace driver
