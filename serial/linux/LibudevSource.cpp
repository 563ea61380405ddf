// The system's UdevSource on libudev: the tty devices from udev's enumeration (sysfs, and udev's
// database where a udev daemon runs) and a netlink monitor of the tty subsystem.

#include <libudev.h>

#include <charconv>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "serial/UdevSource.h"

namespace serial {

namespace {

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
    void operator()(udev_monitor* m) const { udev_monitor_unref(m); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

std::string text(const char* value) {
    return value ? std::string(value) : std::string{};
}

std::uint16_t hexId(const char* value) {
    std::uint16_t id = 0;
    if (value) std::from_chars(value, value + std::char_traits<char>::length(value), id, 16);
    return id;
}

// The nearest device above the tty that has a driver (the tty itself has none).
udev_device* hardwareOf(udev_device* tty) {
    for (udev_device* d = udev_device_get_parent(tty); d; d = udev_device_get_parent(d)) {
        if (udev_device_get_driver(d)) return d;
    }
    return nullptr;
}

// Parents belong to their child: they are not unreferenced here.
UdevTty describe(udev_device* tty, udev_device* hardware) {
    UdevTty t;
    t.sysName = text(udev_device_get_sysname(tty));
    t.sysPath = text(udev_device_get_syspath(tty));
    t.devNode = text(udev_device_get_devnode(tty));
    t.driver = text(udev_device_get_driver(hardware));
    t.bus = text(udev_device_get_subsystem(hardware));
    std::error_code ec;
    const std::filesystem::path module = std::filesystem::read_symlink(
        std::filesystem::path(text(udev_device_get_syspath(hardware))) / "driver" / "module", ec);
    if (!ec) t.module = module.filename().string();
    if (const char* type = udev_device_get_sysattr_value(tty, "type")) {
        int value = 0;
        const auto [end, error] =
            std::from_chars(type, type + std::char_traits<char>::length(type), value);
        if (error == std::errc()) t.uartType = value;
    }
    for (udev_list_entry* p = udev_device_get_properties_list_entry(tty); p;
         p = udev_list_entry_get_next(p)) {
        t.properties[text(udev_list_entry_get_name(p))] = text(udev_list_entry_get_value(p));
    }
    if (udev_device* usb =
            udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_device")) {
        UdevTty::Usb u;
        u.vendorId = hexId(udev_device_get_sysattr_value(usb, "idVendor"));
        u.productId = hexId(udev_device_get_sysattr_value(usb, "idProduct"));
        u.manufacturer = text(udev_device_get_sysattr_value(usb, "manufacturer"));
        u.product = text(udev_device_get_sysattr_value(usb, "product"));
        u.serial = text(udev_device_get_sysattr_value(usb, "serial"));
        t.usb = u;
    }
    return t;
}

class LibudevMonitor final : public DeviceMonitor {
  public:
    explicit LibudevMonitor(UdevPtr<udev_monitor> monitor) : m_monitor(std::move(monitor)) {}

    int fd() const override { return udev_monitor_get_fd(m_monitor.get()); }

    std::vector<DeviceChange> receive() override {
        std::vector<DeviceChange> changes;
        // The monitor's socket does not block: receive_device returns nothing when none waits.
        while (UdevPtr<udev_device> d{udev_monitor_receive_device(m_monitor.get())}) {
            // A removed device's parents are gone from sysfs already; its path still tells
            // whether hardware was behind it.
            const std::string devPath = text(udev_device_get_devpath(d.get()));
            const bool isPort = devPath.rfind("/devices/virtual/", 0) != 0;
            if (auto change = DeviceChangeForAction(text(udev_device_get_action(d.get())), isPort))
                changes.push_back(*change);
        }
        return changes;
    }

  private:
    UdevPtr<udev_monitor> m_monitor;
};

class LibudevSource final : public UdevSource {
  public:
    explicit LibudevSource(UdevPtr<udev> context) : m_udev(std::move(context)) {}

    std::vector<UdevTty> ttys() override {
        std::vector<UdevTty> found;
        UdevPtr<udev_enumerate> e{udev_enumerate_new(m_udev.get())};
        if (!e || udev_enumerate_add_match_subsystem(e.get(), "tty") < 0 ||
            udev_enumerate_scan_devices(e.get()) < 0) {
            return found;
        }
        for (udev_list_entry* item = udev_enumerate_get_list_entry(e.get()); item;
             item = udev_list_entry_get_next(item)) {
            UdevPtr<udev_device> tty{
                udev_device_new_from_syspath(m_udev.get(), udev_list_entry_get_name(item))};
            if (!tty) continue;  // gone since the scan
            // Virtual terminals, the console and pseudo-terminal masters have no hardware.
            if (udev_device* hardware = hardwareOf(tty.get())) {
                found.push_back(describe(tty.get(), hardware));
            }
        }
        return found;
    }

    std::unique_ptr<DeviceMonitor> monitor() override {
        // Events from the udev daemon come after it has made the device's links and set its
        // permissions; without a daemon only the kernel's own events come.
        std::error_code ec;
        const char* source = std::filesystem::exists("/run/udev/control", ec) ? "udev" : "kernel";
        UdevPtr<udev_monitor> m{udev_monitor_new_from_netlink(m_udev.get(), source)};
        if (!m || udev_monitor_filter_add_match_subsystem_devtype(m.get(), "tty", nullptr) < 0 ||
            udev_monitor_enable_receiving(m.get()) < 0) {
            return nullptr;
        }
        return std::make_unique<LibudevMonitor>(std::move(m));
    }

  private:
    UdevPtr<udev> m_udev;
};

}  // namespace

std::shared_ptr<UdevSource> systemUdevSource() {
    static const std::shared_ptr<UdevSource> source = []() -> std::shared_ptr<UdevSource> {
        UdevPtr<udev> context{udev_new()};
        if (!context) return nullptr;
        return std::make_shared<LibudevSource>(std::move(context));
    }();
    return source;
}

}  // namespace serial
