#include "serial/PortConfigDialog.h"

namespace serial {

PortLineSettings LineSettingsFromDcb(const DCB& dcb) {
    return {dcb.BaudRate, dcb.ByteSize, static_cast<TParity>(dcb.Parity),
            static_cast<TStopBits>(dcb.StopBits), StreamProtocolFromDcb(dcb)};
}

void ApplyLineSettingsToDcb(const PortLineSettings& settings, DCB& dcb) {
    const TStreamProtocol before = StreamProtocolFromDcb(dcb);
    dcb.BaudRate = settings.baudRate;
    dcb.ByteSize = (settings.byteSize < 4 || settings.byteSize > 8) ? 8 : settings.byteSize;
    dcb.Parity = settings.parity;
    dcb.StopBits = settings.stopBits;
    if (settings.parity == pNone) {
        dcb.Flags &= ~kDcbParity;
    } else {
        dcb.Flags |= kDcbParity;
    }
    if (settings.flowControl != before) ComposeDcb(dcb, settings.flowControl, false);
}

}  // namespace serial
