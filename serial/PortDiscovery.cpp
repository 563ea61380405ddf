#include "serial/PortDiscovery.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/ini/IniDocument.h"

namespace serial {

namespace fs = std::filesystem;

namespace {

std::string upperTrimmed(std::string_view text) {
    std::string out(platform::trimIniBlanks(text));
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           platform::equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string blanksForUnderscores(std::string text) {
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

std::string property(const UdevTty& tty, const std::string& name) {
    const auto it = tty.properties.find(name);
    return it == tty.properties.end() ? std::string{} : it->second;
}

// The first text that is not empty.
std::string firstOf(std::initializer_list<std::string> texts) {
    for (const std::string& t : texts) {
        if (!t.empty()) return t;
    }
    return {};
}

// What an on-board port is when nothing else names it: its UART, by the serial core's type.
std::string uartDescription(std::optional<int> type) {
    if (!type || *type <= 0) return {};
    static const std::map<int, std::string> kUarts = {{1, "8250"},   {2, "16450"},   {3, "16550"},
                                                      {4, "16550A"}, {6, "16650"},   {7, "16650V2"},
                                                      {8, "16750"},  {13, "XR16850"}};
    const auto it = kUarts.find(*type);
    return (it == kUarts.end() ? std::string("UART") : it->second + " UART") + " serial port";
}

TscDevice fullEntry(const UdevTty& tty, const fs::path& devFolder) {
    const UdevTty::Usb usb = tty.usb.value_or(UdevTty::Usb{});
    TscDevice d;
    d.NamePDO = tty.sysName;
    d.Description =
        firstOf({usb.product, property(tty, "ID_MODEL_FROM_DATABASE"),
                 blanksForUnderscores(property(tty, "ID_MODEL")), uartDescription(tty.uartType)});
    d.Manufacturer = firstOf({usb.manufacturer, property(tty, "ID_VENDOR_FROM_DATABASE"),
                              blanksForUnderscores(property(tty, "ID_VENDOR"))});
    d.Driver = tty.driver;
    d.Service = tty.module;
    d.SerialNumber = firstOf({usb.serial, property(tty, "ID_SERIAL_SHORT")});
    if (!tty.devNode.empty()) {
        d.NameSymbolic = StableDeviceLink(tty.devNode, devFolder).value_or(fs::path()).string();
    }
    d.RegKey = tty.sysPath;
    d.InstanceId = property(tty, "ID_PATH");
    d.GuidClass = tty.bus;
    d.UsbVendorId = usb.vendorId;
    d.UsbProductId = usb.productId;
    return d;
}

void appendDescription(TscDevice& d) {
    if (!d.Description.empty()) d.NameFriendly += " (" + d.Description + ")";
}

}  // namespace

std::vector<QuickPort> BuildQuickList(const std::vector<PortValue>& values) {
    std::vector<QuickPort> list;
    for (const PortValue& value : values) {
        const std::string name = upperTrimmed(value.portName);
        const auto number = ComPortNumber(name);
        if (!number) continue;
        const bool listed = std::any_of(list.begin(), list.end(),
                                        [&](const QuickPort& q) { return q.portName == name; });
        if (listed) continue;
        const auto higher = std::find_if(list.begin(), list.end(), [&](const QuickPort& q) {
            return q.number > static_cast<int>(*number);
        });
        list.insert(higher, QuickPort{name, value.kernelName, static_cast<int>(*number)});
    }
    return list;
}

std::vector<PortValue> QuickPortValues(const PortNameResolver& resolver) {
    std::error_code ec;
    const fs::path devFolder = fs::weakly_canonical(resolver.roots().dev, ec);
    std::vector<PortValue> values;
    for (const auto& named : resolver.namedDevices()) {
        const fs::path node = fs::weakly_canonical(named.path, ec);
        const fs::path below = node.lexically_relative(devFolder);
        const bool inDevFolder = !below.empty() && *below.begin() != "..";
        values.push_back({named.portName, inDevFolder ? below.string() : node.filename().string()});
    }
    return values;
}

std::vector<TscDevice> BuildFullList(const std::vector<UdevTty>& ttys,
                                     const std::vector<PortValue>& quickValues, bool presentOnly,
                                     const fs::path& devFolder) {
    std::vector<TscDevice> full;
    for (const UdevTty& tty : ttys) {
        if (presentOnly && !tty.present()) continue;
        const TscDevice entry = fullEntry(tty, devFolder);
        bool named = false;
        for (const PortValue& value : quickValues) {
            if (value.kernelName != tty.sysName) continue;
            full.push_back(entry);
            full.back().PortName = value.portName;
            named = true;
        }
        if (!named) {
            full.push_back(entry);
            full.back().PortName = tty.devNode;
        }
    }
    return full;
}

std::vector<TscDevice> LoadDeviceEntries(const std::vector<QuickPort>& quick,
                                         std::vector<TscDevice> full, TscEnumPorts depth) {
    std::vector<TscDevice> entries;
    for (const QuickPort& port : quick) {
        TscDevice d;
        d.NameFriendly = d.NameDeviceDos = d.PortName = port.portName;
        d.NamePDO = port.kernelName;
        d.Data = port.number;
        const std::string inParentheses = "(" + port.portName + ")";
        const auto match = std::find_if(full.begin(), full.end(), [&](const TscDevice& f) {
            return platform::equalsIgnoringCase(platform::trimIniBlanks(f.PortName),
                                                port.portName) ||
                   f.Description.find(inParentheses) != std::string::npos;
        });
        if (match != full.end()) {
            d.Service = match->Service;
            d.Description = match->Description;
            d.Driver = match->Driver;
            d.Manufacturer = match->Manufacturer;
            appendDescription(d);
            d.PortName = std::string(platform::trimIniBlanks(match->PortName));
            d.RegKey = match->RegKey;
            d.DevInst = match->DevInst;
            d.InstanceId = match->InstanceId;
            d.NameSymbolic = match->NameSymbolic;
            d.SerialNumber = match->SerialNumber;
            d.GuidClass = match->GuidClass;
            d.UsbVendorId = match->UsbVendorId;
            d.UsbProductId = match->UsbProductId;
            full.erase(match);
        } else if (depth == epFullPresent && !full.empty()) {
            continue;
        }
        entries.push_back(std::move(d));
    }

    int nextPrivate = kFirstPrivatePortNumber;
    for (TscDevice& f : full) {
        const std::string name(platform::trimIniBlanks(f.PortName));
        if (name.empty() || startsWithIgnoringCase(name, "LPT")) continue;
        TscDevice d = std::move(f);
        d.NameFriendly = d.NameDeviceDos = d.PortName = name;
        const auto quickPort = std::find_if(quick.begin(), quick.end(), [&](const QuickPort& q) {
            return platform::equalsIgnoringCase(q.portName, name);
        });
        if (quickPort != quick.end()) d.NamePDO = quickPort->kernelName;
        if (startsWithIgnoringCase(name, "COM")) {
            d.Data = static_cast<int>(ComPortNumber(name).value_or(0));
        } else {
            d.Data = nextPrivate++;
        }
        appendDescription(d);
        entries.push_back(std::move(d));
    }
    return entries;
}

}  // namespace serial
