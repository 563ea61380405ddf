// Port names to device paths: pins in the settings file, the automatic order of the devices
// present (on a made-up device tree), and names that name nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "serial/PortNames.h"
#include "support/FakeDeviceTree.h"

namespace serial {
namespace {

namespace fs = std::filesystem;

class PortNamesTest : public ::testing::Test {
  protected:
    void addTty(const std::string& name, const std::string& devicePath, int type = -1) {
        m_tree.addTty(name, devicePath, type);
    }
    fs::path dev(const std::string& name) const { return m_tree.dev(name); }

    serialtest::FakeDeviceTree m_tree;
    const testsupport::TempDir& m_dir = m_tree.dir();
    serial::DeviceRoots m_roots = m_tree.roots();
};

TEST_F(PortNamesTest, AutomaticOrderPutsUsbAdaptersFirstAndSkipsPortsWithoutHardware) {
    addTty("ttyS0", "platform/serial8250/tty/ttyS0", 4);
    addTty("ttyS1", "platform/serial8250/tty/ttyS1", 0);  // reserved, no UART
    addTty("ttyUSB10", "pci0000:00/usb1/1-3/1-3:1.0/ttyUSB10");
    addTty("ttyUSB2", "pci0000:00/usb1/1-2/1-2:1.0/ttyUSB2");
    addTty("ttyACM0", "pci0000:00/usb1/1-4/1-4:1.0/tty/ttyACM0");
    addTty("ttyXRUSB0", "pci0000:00/usb2/2-1/2-1:1.0/tty/ttyXRUSB0");
    addTty("ttyAMA0", "platform/fe201000.serial/tty/ttyAMA0", 6);
    addTty("tty1", "");     // a virtual terminal
    addTty("console", "");  // the console

    EXPECT_EQ(ListSerialDevices(m_roots),
              (std::vector<fs::path>{dev("ttyUSB2"), dev("ttyUSB10"), dev("ttyACM0"),
                                     dev("ttyXRUSB0"), dev("ttyAMA0"), dev("ttyS0")}));

    const PortNameResolver resolver(m_dir / "ZODUVIR.INI", m_roots);  // no settings file
    EXPECT_EQ(resolver.resolve("COM1"), dev("ttyUSB2"));
    EXPECT_EQ(resolver.resolve("com3"), dev("ttyACM0"));
    EXPECT_EQ(resolver.resolve("COM6"), dev("ttyS0"));
    EXPECT_FALSE(resolver.resolve("COM7").has_value());
}

TEST_F(PortNamesTest, PinsInTheSettingsFileComeFirst) {
    addTty("ttyUSB0", "pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0");
    addTty("ttyUSB1", "pci0000:00/usb1/1-3/1-3:1.0/ttyUSB1");
    const fs::path settings = m_dir.write("ZODUVIR.INI",
                                          "[SerialPort]\nCOM=1\n"
                                          "[Ports]\n"
                                          "COM1 = /dev/serial/by-id/usb-modem-if00-port0\n"
                                          "com7=ttyUSB1\n"
                                          "COM9=\n");
    const PortNameResolver resolver(settings, m_roots);
    EXPECT_EQ(resolver.resolve("COM1"), fs::path("/dev/serial/by-id/usb-modem-if00-port0"));
    EXPECT_EQ(resolver.resolve("COM7"), dev("ttyUSB1"));  // a bare name lives under /dev
    EXPECT_EQ(resolver.resolve("COM2"), dev("ttyUSB1"));  // unpinned: the automatic order
    EXPECT_FALSE(resolver.resolve("COM9").has_value());   // an empty pin pins nothing

    // A pin takes effect at the next resolve.
    m_dir.write("ZODUVIR.INI", "[Ports]\nCOM2=/dev/pts/7\n");
    EXPECT_EQ(resolver.resolve("COM2"), fs::path("/dev/pts/7"));
}

TEST_F(PortNamesTest, NamesThatNameNoPort) {
    addTty("ttyUSB0", "pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0");
    const PortNameResolver resolver(m_dir / "ZODUVIR.INI", m_roots);
    EXPECT_EQ(resolver.resolve("/dev/pts/3"), fs::path("/dev/pts/3"));  // a path is a path
    for (const char* name : {"", "COM", "COM0", "COM1x", "COM-1", "LPT1", "ttyUSB0", "Unknown"}) {
        EXPECT_FALSE(resolver.resolve(name).has_value()) << name;
    }
    EXPECT_EQ(ComPortNumber("COM20"), 20u);
    EXPECT_FALSE(ComPortNumber("COM 2").has_value());
}

}  // namespace
}  // namespace serial
