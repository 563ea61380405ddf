#pragma once

// A made-up device tree in a temporary folder: device nodes under dev/, the kernel's tty class
// under sys/class/tty with device links into sys/devices, stable links under dev/serial/by-id,
// and a settings file whose [Ports] pins port names. The port-name resolution and discovery are
// pointed at it.

#include <filesystem>
#include <string>

#include "serial/PortNames.h"
#include "support/TempDir.h"

namespace serialtest {

class FakeDeviceTree {
  public:
    FakeDeviceTree() {
        std::filesystem::create_directories(m_dir / "dev");
        std::filesystem::create_directories(m_dir / "sys/class/tty");
    }

    serial::DeviceRoots roots() const { return {m_dir / "dev", m_dir / "sys"}; }
    std::filesystem::path dev(const std::string& name) const { return m_dir / "dev" / name; }
    std::filesystem::path sysDevice(const std::string& path) const {
        return m_dir / "sys/devices" / path;
    }
    std::filesystem::path settingsFile() const { return m_dir / "ZODUVIR.INI"; }
    const testsupport::TempDir& dir() const { return m_dir; }

    // A tty: its device node, and a device link to `devicePath` under sys/devices (none for a
    // virtual terminal), with a serial-core "type" when given.
    void addTty(const std::string& name, const std::string& devicePath, int type = -1) {
        m_dir.write("dev/" + name, "");
        const std::filesystem::path entry = m_dir / "sys/class/tty" / name;
        std::filesystem::create_directories(entry);
        if (!devicePath.empty()) {
            const std::filesystem::path device = sysDevice(devicePath);
            std::filesystem::create_directories(device);
            std::filesystem::create_directory_symlink(device, entry / "device");
        }
        if (type >= 0) m_dir.write("sys/class/tty/" + name + "/type", std::to_string(type) + "\n");
    }

    // The device is unplugged: its node and its class entry go.
    void removeTty(const std::string& name) {
        std::filesystem::remove(dev(name));
        std::filesystem::remove_all(m_dir / "sys/class/tty" / name);
    }

    // A stable link dev/serial/by-id/<link> to the node of `name`; returns the link's path.
    std::filesystem::path addById(const std::string& link, const std::string& name) {
        const std::filesystem::path folder = m_dir / "dev/serial/by-id";
        std::filesystem::create_directories(folder);
        std::filesystem::create_symlink("../../" + name, folder / link);
        return folder / link;
    }

    // The settings file's whole text.
    void settings(const std::string& text) { m_dir.write("ZODUVIR.INI", text); }

  private:
    testsupport::TempDir m_dir;
};

}  // namespace serialtest
