#include "serial/PortListing.h"

#include <system_error>

#include "serial/PortDiscovery.h"

namespace serial {

std::vector<PortListing> ListPorts(TscCustomSerialComm& comm) {
    if (comm.DeviceCount() == 0) {
        if (comm.EnumPorts() == epQuickAll) comm.setEnumPorts(epFullInfo);
        comm.GetDeviceList(nullptr);
    }
    std::vector<PortListing> ports;
    for (int i = 0; i < comm.DeviceCount(); ++i) {
        const TscDevice* d = comm.GetDevice(i);
        if (d->Data <= 0 || d->Data >= kFirstPrivatePortNumber) continue;
        PortListing p;
        p.number = d->Data;
        p.portName = d->NameDeviceDos;
        if (const auto path = comm.portNameResolver().resolve(d->PortName)) {
            std::error_code ec;
            p.devicePath = std::filesystem::weakly_canonical(*path, ec).string();
            if (ec) p.devicePath = path->string();
        }
        p.description = d->Description;
        p.manufacturer = d->Manufacturer;
        p.stablePath = d->NameSymbolic;
        ports.push_back(std::move(p));
    }
    return ports;
}

std::string PortDescription(const PortListing& port) {
    if (port.manufacturer.empty() || port.description.find(port.manufacturer) != std::string::npos)
        return port.description;
    return port.description.empty() ? port.manufacturer
                                    : port.description + " (" + port.manufacturer + ")";
}

std::string PortSummary(const PortListing& port) {
    std::string text = PortDescription(port);
    if (!port.devicePath.empty()) text += (text.empty() ? "" : ", ") + port.devicePath;
    return text;
}

}  // namespace serial
