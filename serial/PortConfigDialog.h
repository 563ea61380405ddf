#pragma once

// The port configuration dialog behind TscCustomComm::ConfigDialog. The component knows no
// windows: a program sets a function that shows a dialog (serial/qt has one) and returns the
// settings chosen.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "serial/Dcb.h"
#include "serial/SerialTypes.h"

namespace serial {

// What the dialog shows and changes.
struct PortLineSettings {
    std::uint32_t baudRate = 19200;
    std::uint8_t byteSize = 8;
    TParity parity = pNone;
    TStopBits stopBits = sbOne;
    TStreamProtocol flowControl = spNone;
    bool operator==(const PortLineSettings&) const = default;
};

// Shows the dialog for the port named portName with the present settings; the settings chosen on
// OK, nothing on Cancel.
using TPortConfigDialog = std::function<std::optional<PortLineSettings>(
    const std::string& portName, const PortLineSettings& present)>;

// The settings a DCB holds, and the DCB with chosen settings. A flow control other than the one
// the DCB stands for replaces its flow-control flags (as StreamProtocol does); the same one leaves
// them as they are (so RS485 toggling survives a dialog that does not show it).
PortLineSettings LineSettingsFromDcb(const DCB& dcb);
void ApplyLineSettingsToDcb(const PortLineSettings& settings, DCB& dcb);

}  // namespace serial
