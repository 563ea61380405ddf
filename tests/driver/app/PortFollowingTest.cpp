// The driver and the devices behind its ports: the port list says what each port is and follows
// device changes, a chosen port is pinned to its device's stable link, and a port whose device
// goes away is reported, fails its transactions at once and is opened again when the device
// comes back (a pseudo-terminal removed and made again).

#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <optional>

#include "app/PortPins.h"
#include "app/RealPortWindow.h"
#include "driver/app/PortListInfo.h"
#include "driver/app/PortPinning.h"
#include "support/FakeDeviceTree.h"
#include "support/FakeUdevSource.h"
#include "support/PtyPair.h"
#include "support/TempDir.h"

namespace driver {
namespace {

namespace fs = std::filesystem;

using apptest::runEventsUntil;

TEST(PortPinning, AChosenPortIsPinnedToItsStableLinkUnlessPinnedAlready) {
    serialtest::FakeDeviceTree tree;
    tree.addTty("ttyUSB0", "pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0");
    tree.addTty("ttyS0", "platform/serial8250/tty/ttyS0", 4);
    const fs::path link = tree.addById("usb-FTDI_FT232R_USB_UART_A1-if00-port0", "ttyUSB0");
    tree.settings("[Ports]\nCOM2=/dev/pts/3\n");
    platform::IniFile settings(tree.settingsFile());
    const fs::path dev = tree.roots().dev;

    EXPECT_TRUE(PinToStableLink(settings, 1, tree.dev("ttyUSB0"), dev));
    EXPECT_EQ(settings.readString("Ports", "COM1", ""), link.string());
    EXPECT_FALSE(PinToStableLink(settings, 1, link, dev));                 // pinned already
    EXPECT_FALSE(PinToStableLink(settings, 2, tree.dev("ttyUSB0"), dev));  // the user's pin
    EXPECT_EQ(settings.readString("Ports", "COM2", ""), "/dev/pts/3");
    EXPECT_FALSE(PinToStableLink(settings, 3, tree.dev("ttyS0"), dev));  // no stable link
    EXPECT_FALSE(PinToStableLink(settings, 4, "", dev));
    EXPECT_EQ(settings.readString("Ports", "COM3", ""), "");
}

TEST(PortListInfo, SaysWhatEachPortIsAndFollowsDeviceChanges) {
    serialtest::FakeDeviceTree tree;
    tree.addTty("ttyUSB0", "pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0");
    auto udev = std::make_shared<serialtest::FakeUdevSource>();
    serial::UdevTty usb;
    usb.sysName = "ttyUSB0";
    usb.devNode = tree.dev("ttyUSB0").string();
    usb.usb = serial::UdevTty::Usb{0x0403, 0x6001, "FTDI", "FT232R USB UART", "A1"};
    udev->devices = {usb};

    QComboBox list;
    list.addItems({"none", "COM1", "COM2", "COM3"});
    list.setCurrentIndex(1);
    PortListInfo info(&list, tree.settingsFile(), tree.roots(), udev);
    auto* model = qobject_cast<QStandardItemModel*>(list.model());
    ASSERT_NE(model, nullptr);
    const std::string ttyUSB0 = fs::canonical(tree.dev("ttyUSB0")).string();
    auto second = [&](int row) { return model->item(row, 1)->text().toStdString(); };
    EXPECT_EQ(list.itemText(1), "COM1");  // the entries stay as they are
    EXPECT_EQ(second(1), "FT232R USB UART (FTDI), " + ttyUSB0);
    EXPECT_EQ(second(2), "");
    EXPECT_EQ(list.toolTip().toStdString(), "COM1 — FT232R USB UART (FTDI), " + ttyUSB0);
    EXPECT_EQ(model->item(2, 0)->toolTip().toStdString(), "COM2 — no device");

    // A USB modem arrives and becomes COM2.
    tree.addTty("ttyACM0", "pci0000:00/usb1/1-3/1-3:1.0/tty/ttyACM0");
    serial::UdevTty acm;
    acm.sysName = "ttyACM0";
    acm.devNode = tree.dev("ttyACM0").string();
    acm.properties = {{"ID_MODEL_FROM_DATABASE", "HART USB Modem"}};
    udev->devices.push_back(acm);
    int changes = 0;
    QObject::connect(&info, &PortListInfo::devicesChanged, [&] { ++changes; });
    info.deviceChanged(serial::kDeviceArrived, serial::kDeviceTypePort);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(second(2), "HART USB Modem, " + fs::canonical(tree.dev("ttyACM0")).string());
    info.deviceChanged(serial::kDeviceArrived, 0);  // not a port
    EXPECT_EQ(changes, 1);
}

// The real port on a pseudo-terminal reached through a link pinned as COM5: the device "goes
// away" when the far side closes and the link is removed, and "comes back" as a new
// pseudo-terminal behind the same link.
class PortFollowingTest : public ::testing::Test {
  protected:
    PortFollowingTest() { fs::create_symlink(modem->slavePath(), link); }

    void unplug() {
        modem->closeMaster();
        fs::remove(link);
    }
    void plugIn() {
        modem.emplace();
        fs::create_symlink(modem->slavePath(), link);
    }
    bool listShows(const std::string& text) {
        for (int i = 0; i < form.ListBox1->count(); ++i) {
            if (form.ListBox1->item(i)->text().toStdString() == text) return true;
        }
        return false;
    }

    testsupport::TempDir dir;
    std::optional<serialtest::PtyPair> modem{std::in_place};
    fs::path link = dir / "modem";
    fs::path settingsFile =
        dir.write("ZODUVIR.INI",
                  apptest::pinnedPorts({{5, link.string()}}, (dir / "no-such-device").string()));
    apptest::RealPortWindow window{settingsFile};
    platform::IniFile& settings = window.settings;
    SerialDriverPort& port = window.port;
    THalvaneForm& form = window.form;
};

TEST_F(PortFollowingTest, AGonePortFailsAtOnceAndIsOpenedAgainWhenItsDeviceReturns) {
    form.FormCreate();
    ASSERT_EQ(form.UsedPort->currentText(), "COM5");
    ASSERT_TRUE(port.isOpen());
    EXPECT_FALSE(form.portGoneLabel->isVisibleTo(&form));

    unplug();
    ASSERT_TRUE(runEventsUntil([&] { return form.portWatch().gone(); }));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(form.portGoneLabel->isVisibleTo(&form));
    // A refresh of the counters that was still due keeps Rx off the place of "gone".
    form.show();
    LinkEngine& engine = form.engine();
    ++engine.Label9;
    engine.rxShown = true;
    form.indicatorsChanged();
    const QString events = QString::number(engine.Label9);
    ASSERT_TRUE(runEventsUntil([&] { return form.Label9->text() == events; }));
    EXPECT_TRUE(form.Label8->isHidden());
    EXPECT_EQ(form.portText(), "COM5 (port gone)");
    EXPECT_EQ(form.UsedPort->currentText(), "COM5");  // still the port the driver uses

    // A transaction fails at the first send tick instead of after every retry.
    form.Command->setText("0;;0");
    QElapsedTimer answered;
    answered.start();
    form.Button1Click();
    ASSERT_TRUE(runEventsUntil([&] { return listShows("Communication Error!"); }));
    EXPECT_LT(answered.elapsed(), 2000);

    plugIn();
    ASSERT_TRUE(runEventsUntil([&] { return port.isOpen(); }, 5000));
    EXPECT_FALSE(form.portWatch().gone());
    EXPECT_FALSE(form.portGoneLabel->isVisibleTo(&form));
    EXPECT_EQ(form.portText(), "COM5");
    EXPECT_EQ(port.devicePath(), link.string());

    // The driver talks to the device again.
    form.Button1Click();
    std::string sent;
    EXPECT_TRUE(runEventsUntil([&] {
        sent += modem->readAvailable();
        return sent.size() >= 5;
    }));
}

TEST_F(PortFollowingTest, AnotherDeviceBehindTheNameIsNotTaken) {
    form.FormCreate();
    ASSERT_TRUE(port.isOpen());
    unplug();
    ASSERT_TRUE(runEventsUntil([&] { return form.portWatch().gone(); }));
    // The user pins COM5 somewhere else meanwhile: that is not the device that went away.
    serialtest::PtyPair other;
    settings.writeString("Ports", "COM5", other.slavePath());
    form.portWatch().devicesChanged();
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(form.portWatch().gone());

    // Choosing a port ends the wait.
    form.UsedPort->setCurrentIndex(0);
    form.UsedPortChange();
    EXPECT_FALSE(form.portWatch().gone());
    EXPECT_EQ(form.portText(), "none");
}

}  // namespace
}  // namespace driver
