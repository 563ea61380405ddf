// The window on the real serial component, over pseudo-terminals pinned in [Ports] and a modem
// whose DSR follows DTR: the scan opens real devices, a port that cannot be opened says why, and
// bytes travel between the engine and the line.

#include "driver/app/SerialDriverPort.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "app/PortPins.h"
#include "app/RealPortWindow.h"
#include "support/PtyPair.h"
#include "support/TempDir.h"

namespace driver {
namespace {

using apptest::runEventsUntil;

class SerialDriverPortTest : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    serialtest::PtyPair com2;
    serialtest::PtyPair com5;
    std::filesystem::path settingsFile = dir.write(
        "ZODUVIR.INI", apptest::pinnedPorts({{2, com2.slavePath()}, {5, com5.slavePath()}},
                                            (dir / "no-such-device").string()));
    apptest::RealPortWindow window{settingsFile};
    platform::IniFile& settings = window.settings;
    SerialDriverPort& port = window.port;
    apptest::ScriptedDialogs& dialogs = window.dialogs;
    THalvaneForm& form = window.form;
};

TEST_F(SerialDriverPortTest, TheScanOpensRealPortsAndKeepsTheLastModem) {
    form.FormCreate();
    EXPECT_EQ(form.UsedPort->currentText(), "COM5");
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.number(), 5);
    EXPECT_EQ(port.devicePath(), com5.slavePath());
    EXPECT_EQ(settings.readString("SerialPort", "COM", ""), "5");
    EXPECT_TRUE(dialogs.errors.empty());

    // Bytes from the line reach the engine through the main thread.
    com5.write("\xFF\xFF");
    EXPECT_TRUE(runEventsUntil([&] { return form.engine().Label9 > 0; }));

    // A command typed by hand goes out on the line at the next send tick.
    form.Command->setText("0;;0");
    form.Button1Click();
    std::string sent;
    EXPECT_TRUE(runEventsUntil([&] {
        sent += com5.readAvailable();
        return sent.size() >= 5;
    }));
    ASSERT_GE(sent.size(), 5u);
    EXPECT_EQ(static_cast<unsigned char>(sent[0]), 0xFF) << "a request starts with preambles";
}

TEST_F(SerialDriverPortTest, APortThatCannotBeOpenedSaysWhy) {
    form.FormCreate();
    form.UsedPort->setCurrentIndex(8);
    form.UsedPortChange();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    const std::string expected = "This port cannot be used!\r\nCOM8 (" +
                                 (dir / "no-such-device8").string() +
                                 "): No such file or directory.";
    EXPECT_TRUE(dialogs.errors[0].starts_with(expected)) << dialogs.errors[0];
    EXPECT_EQ(form.UsedPort->currentText(), "none");
}

}  // namespace
}  // namespace driver
