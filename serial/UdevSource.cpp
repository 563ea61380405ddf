#include "serial/UdevSource.h"

#include "serial/SerialTypes.h"

namespace serial {

std::optional<DeviceChange> DeviceChangeForAction(std::string_view action, bool isPort) {
    const std::uint32_t type = isPort ? kDeviceTypePort : 0;
    if (action == "add") return DeviceChange{kDeviceArrived, type};
    if (action == "remove") return DeviceChange{kDeviceRemoved, type};
    if (action == "change" || action == "move" || action == "bind" || action == "unbind") {
        return DeviceChange{kDeviceNodesChanged, type};
    }
    return std::nullopt;
}

}  // namespace serial
