// Port discovery: the quick list's order and duplicate rules, the joining of quick and full
// lists, the component's device list on a made-up machine (sysfs tree and udev source), picking
// ports by list position, hot-plug notices, and one look at the real machine.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "serial/PortListing.h"
#include "serial/TscComm.h"
#include "serial/UdevSource.h"
#include "support/FakeDeviceTree.h"
#include "support/FakeUdevSource.h"

namespace serial {
namespace {

using serialtest::FakeUdevSource;

TEST(QuickList, KeepsPortNamesInOrderOfNumberAndDropsDuplicatesAndOtherNames) {
    const std::vector<PortValue> values = {
        {"COM10", "ttyS9"},  {" com3 ", "ttyUSB0"}, {"COM3", "ttyUSB7"},  // a name listed already
        {"LPT1", "lp0"},     {"COMX", "ttyX"},      {"COM", "ttyY"},
        {"COM4", "ttyACM0"}, {"COM2", "ttyS1"},
    };
    EXPECT_EQ(BuildQuickList(values), (std::vector<QuickPort>{{"COM2", "ttyS1", 2},
                                                              {"COM3", "ttyUSB0", 3},
                                                              {"COM4", "ttyACM0", 4},
                                                              {"COM10", "ttyS9", 10}}));
}

TEST(DeviceEntries, JoinQuickAndFullListsByPortNameOrDescription) {
    const std::vector<QuickPort> quick = {{"COM3", "ttyUSB0", 3}, {"COM7", "ttyS6", 7}};
    auto full = [] {
        std::vector<TscDevice> f(5);
        f[0].PortName = "com3 ";  // names compare without case, trimmed
        f[0].Description = "FT232R USB UART";
        f[0].Manufacturer = "FTDI";
        f[0].Driver = f[0].Service = "ftdi_sio";
        f[0].RegKey = "/sys/devices/usb1/ttyUSB0";
        f[1].Description = "Communications Port (COM7)";  // found by its description
        f[2].PortName = "LPT1";                           // never listed
        f[3].PortName = "/dev/ttyS5";                     // no COM number: a private one
        f[3].Description = "16550A";
        f[4].PortName = "COM12";  // only the device manager knows it
        return f;
    }();

    const std::vector<TscDevice> entries = LoadDeviceEntries(quick, full, epFullInfo);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].NameFriendly, "COM3 (FT232R USB UART)");
    EXPECT_EQ(entries[0].PortName, "com3");
    EXPECT_EQ(entries[0].NameDeviceDos, "COM3");
    EXPECT_EQ(entries[0].NamePDO, "ttyUSB0");
    EXPECT_EQ(entries[0].Data, 3);
    EXPECT_EQ(entries[0].Manufacturer, "FTDI");
    EXPECT_EQ(entries[0].RegKey, "/sys/devices/usb1/ttyUSB0");
    EXPECT_EQ(entries[1].NameFriendly, "COM7 (Communications Port (COM7))");
    EXPECT_EQ(entries[2].NameFriendly, "/dev/ttyS5 (16550A)");
    EXPECT_EQ(entries[2].Data, 4097);
    EXPECT_EQ(entries[3].NameFriendly, "COM12");
    EXPECT_EQ(entries[3].Data, 12);

    // Present devices only: a quick port without a full entry is left out while any is left...
    const std::vector<QuickPort> withPseudoTerminal = {{"COM3", "ttyUSB0", 3},
                                                       {"COM5", "pts/4", 5}};
    const auto present = LoadDeviceEntries(withPseudoTerminal, {full[0], full[3]}, epFullPresent);
    ASSERT_EQ(present.size(), 2u);
    EXPECT_EQ(present[0].NameFriendly, "COM3 (FT232R USB UART)");
    EXPECT_EQ(present[1].NameFriendly, "/dev/ttyS5 (16550A)");
    // ... and listed when none is left.
    const auto noneLeft = LoadDeviceEntries(withPseudoTerminal, {full[0]}, epFullPresent);
    ASSERT_EQ(noneLeft.size(), 2u);
    EXPECT_EQ(noneLeft[1].NameFriendly, "COM5");
}

// A machine: an FTDI adapter (ttyUSB0, with a stable link), an on-board port with a UART (ttyS0)
// and one without (ttyS1), and a pseudo-terminal pinned to COM5.
class PortDiscoveryTest : public ::testing::Test {
  protected:
    PortDiscoveryTest() {
        m_tree.addTty("ttyUSB0", "pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0");
        m_byId = m_tree.addById("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", "ttyUSB0");
        m_tree.addTty("ttyS0", "platform/serial8250/serial8250:0.0/tty/ttyS0", 4);
        m_tree.addTty("ttyS1", "platform/serial8250/serial8250:0.1/tty/ttyS1", 0);
        m_tree.dir().write("dev/pts-4", "");
        m_tree.settings("[Ports]\nCOM5=" + m_tree.dev("pts-4").string() + "\n");

        UdevTty usb;
        usb.sysName = "ttyUSB0";
        usb.sysPath = m_tree.sysDevice("pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0").string();
        usb.devNode = m_tree.dev("ttyUSB0").string();
        usb.driver = usb.module = "ftdi_sio";
        usb.bus = "usb-serial";
        usb.properties = {{"ID_PATH", "pci-0000:00:14.0-usb-0:2:1.0"}};
        usb.usb = UdevTty::Usb{0x0403, 0x6001, "FTDI", "FT232R USB UART", "A1B2C3"};
        UdevTty onBoard;
        onBoard.sysName = "ttyS0";
        onBoard.sysPath = m_tree.sysDevice("platform/serial8250/serial8250:0.0/tty/ttyS0");
        onBoard.devNode = m_tree.dev("ttyS0").string();
        onBoard.driver = "serial8250";
        onBoard.bus = "serial-base";
        onBoard.uartType = 4;
        // No name from the device manager: its UART names it.
        UdevTty reserved = onBoard;
        reserved.sysName = "ttyS1";
        reserved.devNode = m_tree.dev("ttyS1").string();
        reserved.uartType = 0;
        m_udev->devices = {usb, onBoard, reserved};

        m_comm.setPortNameResolver(
            std::make_shared<PortNameResolver>(m_tree.settingsFile(), m_tree.roots()));
        m_comm.setDeviceSource(m_udev);
        m_comm.NotifyAdd(this, [this](TscBaseIO&, int code) { m_codes.push_back(code); });
    }

    std::vector<std::string> friendlyNames() {
        TscDeviceList list;
        m_comm.GetDeviceList(&list);
        std::vector<std::string> names;
        for (const auto& [name, device] : list)
            names.push_back(name + " =" + std::to_string(device->Data));
        return names;
    }

    serialtest::FakeDeviceTree m_tree;
    std::filesystem::path m_byId;
    std::shared_ptr<FakeUdevSource> m_udev = std::make_shared<FakeUdevSource>();
    std::vector<int> m_codes;
    TscComm m_comm;
};

TEST_F(PortDiscoveryTest, EachDepthListsWhatItShould) {
    struct Case {
        TscEnumPorts depth;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {epQuickAll, {"COM1 =1", "COM2 =2", "COM5 =5"}},
        {epFullInfo,
         {"COM1 (FT232R USB UART) =1", "COM2 (16550A UART serial port) =2", "COM5 =5",
          m_tree.dev("ttyS1").string() + " =4097"}},
        // The pseudo-terminal has no device entry, but is listed: every entry is used up by
        // the time its turn comes (see DeviceEntries above for one that is left out).
        {epFullPresent,
         {"COM1 (FT232R USB UART) =1", "COM2 (16550A UART serial port) =2", "COM5 =5"}},
    };
    for (const Case& c : cases) {
        m_comm.setEnumPorts(c.depth);
        m_comm.ClearDeviceList();
        EXPECT_EQ(friendlyNames(), c.names) << int(c.depth);
    }

    // The details of the adapter, and the kernel names.
    const TscDevice* usb = m_comm.GetDevice(0);
    EXPECT_EQ(usb->PortName, "COM1");
    EXPECT_EQ(usb->NamePDO, "ttyUSB0");
    EXPECT_EQ(usb->Manufacturer, "FTDI");
    EXPECT_EQ(usb->Driver, "ftdi_sio");
    EXPECT_EQ(usb->Service, "ftdi_sio");
    EXPECT_EQ(usb->SerialNumber, "A1B2C3");
    EXPECT_EQ(usb->NameSymbolic, m_byId.string());
    EXPECT_EQ(usb->RegKey, m_udev->devices[0].sysPath);
    EXPECT_EQ(usb->InstanceId, "pci-0000:00:14.0-usb-0:2:1.0");
    EXPECT_EQ(usb->UsbVendorId, 0x0403);
    EXPECT_EQ(usb->UsbProductId, 0x6001);
    EXPECT_EQ(m_comm.GetDevice(1)->NamePDO, "ttyS0");
    EXPECT_EQ(m_comm.GetDevice(1)->NameSymbolic, "");

    // Without a device manager the full list is empty: every quick port is listed.
    m_comm.setDeviceSource(nullptr);
    m_comm.ClearDeviceList();
    EXPECT_EQ(friendlyNames(), (std::vector<std::string>{"COM1 =1", "COM2 =2", "COM5 =5"}));
}

TEST_F(PortDiscoveryTest, ADevicePinnedUnderAnotherNameIsListedUnderBoth) {
    m_tree.settings("[Ports]\nCOM10=" + m_byId.string() + "\n");
    m_comm.setEnumPorts(epFullPresent);
    EXPECT_EQ(friendlyNames(), (std::vector<std::string>{"COM1 (FT232R USB UART) =1",
                                                         "COM2 (16550A UART serial port) =2",
                                                         "COM10 (FT232R USB UART) =10"}));
    EXPECT_EQ(m_comm.GetDevice(2)->NamePDO, "ttyUSB0");
}

TEST_F(PortDiscoveryTest, PortsArePickedByListPosition) {
    m_comm.setEnumPorts(epFullInfo);
    m_comm.GetDeviceList(nullptr);
    ASSERT_EQ(m_comm.DeviceCount(), 4);
    EXPECT_EQ(m_comm.GetDeviceIndex(), 0);  // COM1
    m_codes.clear();

    m_comm.SetDeviceIndex(2);
    EXPECT_EQ(m_comm.ComPortNo(), 5);
    EXPECT_EQ(m_comm.GetDeviceIndex(), 2);
    EXPECT_EQ(m_codes, std::vector<int>{kNotifyChanged});
    m_comm.SetDeviceIndex(3);  // a device without a port number opens by its path
    EXPECT_EQ(m_comm.DeviceName(), m_tree.dev("ttyS1").string());
    for (int outside : {4, 5, -1}) {
        m_comm.SetDeviceIndex(outside);
        EXPECT_EQ(m_comm.ComPortNo(), 4097) << outside;
    }
    m_comm.setComPortNo(9);
    EXPECT_EQ(m_comm.GetDeviceIndex(), -1);
    EXPECT_EQ(m_comm.DeviceName(), "COM9");
}

TEST_F(PortDiscoveryTest, DeviceChangesReloadTheListForPortsAndNodeChangesOnly) {
    m_tree.settings("");
    m_comm.setEnumPorts(epFullPresent);
    ASSERT_EQ(friendlyNames().size(), 2u);
    m_codes.clear();

    // A second adapter arrives.
    m_tree.addTty("ttyACM0", "pci0000:00/usb1/1-3/1-3:1.0/tty/ttyACM0");
    UdevTty acm;
    acm.sysName = "ttyACM0";
    acm.devNode = m_tree.dev("ttyACM0").string();
    acm.driver = acm.module = "cdc_acm";
    acm.usb = UdevTty::Usb{0x2341, 0x0043, "Arduino", "Uno", ""};
    m_udev->devices.push_back(acm);
    EXPECT_FALSE(m_comm.WMDeviceChange(kDeviceArrived, 0));  // not a port: nothing happens
    EXPECT_EQ(m_comm.DeviceCount(), 2);
    EXPECT_TRUE(m_comm.WMDeviceChange(kDeviceArrived, kDeviceTypePort));
    EXPECT_EQ(friendlyNames(),
              (std::vector<std::string>{"COM1 (FT232R USB UART) =1", "COM2 (Uno) =2",
                                        "COM3 (16550A UART serial port) =3"}));
    EXPECT_EQ(m_codes, std::vector<int>{kNotifyChanged});

    // The first goes: the numbering follows.
    m_tree.removeTty("ttyUSB0");
    m_udev->devices.erase(m_udev->devices.begin());
    EXPECT_TRUE(m_comm.WMDeviceChange(kDeviceRemoved, kDeviceTypePort));
    EXPECT_EQ(friendlyNames(),
              (std::vector<std::string>{"COM1 (Uno) =1", "COM2 (16550A UART serial port) =2"}));
    EXPECT_TRUE(m_comm.WMDeviceChange(kDeviceNodesChanged, 0));
    EXPECT_FALSE(m_comm.WMDeviceChange(0x8001, kDeviceTypePort));  // another event
    EXPECT_EQ(m_codes, (std::vector<int>{kNotifyChanged, kNotifyChanged, kNotifyChanged}));
}

TEST_F(PortDiscoveryTest, TheListingSaysWhatEachPortNameOpens) {
    const std::vector<PortListing> ports = ListPorts(m_comm);
    ASSERT_EQ(ports.size(), 3u);  // the device without a port name is not among them
    const auto canonical = [](const std::filesystem::path& p) {
        return std::filesystem::canonical(p).string();
    };
    EXPECT_EQ(ports[0].portName, "COM1");
    EXPECT_EQ(ports[0].devicePath, canonical(m_tree.dev("ttyUSB0")));
    EXPECT_EQ(ports[0].stablePath, m_byId.string());
    EXPECT_EQ(PortSummary(ports[0]), "FT232R USB UART (FTDI), " + ports[0].devicePath);
    EXPECT_EQ(PortSummary(ports[1]), "16550A UART serial port, " + canonical(m_tree.dev("ttyS0")));
    EXPECT_EQ(ports[2].number, 5);
    EXPECT_EQ(PortSummary(ports[2]), canonical(m_tree.dev("pts-4")));
    EXPECT_EQ(PortSummary({1, "COM1", "", "", "FTDI", ""}), "FTDI");
}

TEST(DeviceChanges, UdevActionsBecomeDeviceChangeEvents) {
    struct Case {
        const char* action;
        bool isPort;
        std::optional<DeviceChange> change;
    };
    const Case cases[] = {
        {"add", true, DeviceChange{kDeviceArrived, kDeviceTypePort}},
        {"remove", true, DeviceChange{kDeviceRemoved, kDeviceTypePort}},
        {"add", false, DeviceChange{kDeviceArrived, 0}},
        {"change", true, DeviceChange{kDeviceNodesChanged, kDeviceTypePort}},
        {"bind", false, DeviceChange{kDeviceNodesChanged, 0}},
        {"online", true, std::nullopt},
        {"", true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeviceChangeForAction(c.action, c.isPort), c.change) << c.action;
}

TEST(RealMachine, ThePortsOfThisMachineCanBeListed) {
    testsupport::TempDir settings;
    TscComm comm;
    comm.setPortNameResolver(std::make_shared<PortNameResolver>(settings / "ZODUVIR.INI"));
    comm.setEnumPorts(epFullInfo);
    EXPECT_NO_THROW(comm.GetDeviceList(nullptr));
    if (auto source = systemUdevSource()) {
        EXPECT_NO_THROW(source->ttys());
        if (auto monitor = source->monitor()) {
            EXPECT_GE(monitor->fd(), 0);
            EXPECT_NO_THROW(monitor->receive());
        }
    }
}

}  // namespace
}  // namespace serial
