// The driver window and its start-up, with a fake port, scripted message boxes and waits that
// take no time: the stored port and the modem check, the scan, picking ports and the master,
// hiding instead of closing, the real end, the repeat timer and executes from clients.

#include "driver/app/HalvaneForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "ProjectVersion.h"
#include "app/AppTestSupport.h"
#include "driver/app/PreciseClock.h"
#include "platform/channel/ConversationServer.h"
#include "support/TempDir.h"

namespace driver {
namespace {

using apptest::FakeDriverPort;
using apptest::InstantPump;
using apptest::ScriptedDialogs;

constexpr FakeDriverPort::Device kModem{0, true};
constexpr FakeDriverPort::Device kNoModem{0, false};

class HalvaneFormTest : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    platform::IniFile settings{dir / "ZODUVIR.INI"};
    hart::CodeTables tables{HALVANE_TABLE_FILE};
    FakeDriverPort port;
    ScriptedDialogs dialogs;
    platform::channel::ConversationServer server{"Halvane", "DdeHartServer"};
    PreciseClock clock;
    InstantPump pump;
    std::unique_ptr<THalvaneForm> form;

    void start(const std::string& iniText, bool tray = true) {
        dir.write("ZODUVIR.INI", iniText);
        form = std::make_unique<THalvaneForm>(
            FormContext{settings, tables, port, dialogs, server, clock, pump});
        form->setTrayAvailable(tray);
        form->FormCreate();
    }
    std::string setting(const char* key) const {
        return settings.readString("SerialPort", key, "<missing>");
    }
    std::string portShown() const { return form->UsedPort->currentText().toStdString(); }
    void pick(int index) {
        form->UsedPort->setCurrentIndex(index);
        form->UsedPortChange();
    }
    void execute(std::vector<std::string> lines) { emit server.executed(lines); }
    // Runs events until the item holds `part` (the busy tick comes 1 ms after an execute).
    bool itemShows(const std::string& part) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (server.itemText().find(part) == std::string::npos && elapsed.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        return server.itemText().find(part) != std::string::npos;
    }
};

TEST_F(HalvaneFormTest, StartsHiddenOnTheStoredPortOnceTheModemAnswers) {
    port.devices[3] = kModem;
    start("[SerialPort]\nCOM=3\n");
    EXPECT_EQ(portShown(), "COM3");
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.opened, (std::vector<int>{3}));
    // The check (on, off, on), then DTR on for the running driver.
    EXPECT_EQ(port.dtr, (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(form->engine().mType, mRQ20);
    EXPECT_EQ(form->Label10->text(), "RQ-20");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs.errors.empty());

    // The window: only the left panel, up to the modem text's left edge.
    EXPECT_EQ(form->windowTitle(), "Halvane");
    EXPECT_EQ(form->versionLabel->text(), "version " HALVANE_VERSION);
    EXPECT_EQ(form->width(), form->Label10->x());
    EXPECT_EQ(form->width(), 201);
    EXPECT_EQ(form->height(), THalvaneForm::kDesignHeight);
    form->panelToggle->click();
    EXPECT_EQ(form->width(), THalvaneForm::kDesignWidth);
    EXPECT_EQ(form->Label1->text(), "1");
    EXPECT_EQ(form->Label9->text(), "0");
    EXPECT_EQ(form->Label14->text(), "1");
    EXPECT_EQ(form->Command->text(), "0");
}

TEST_F(HalvaneFormTest, SettingsDecideThePortTheCheckAndTheRole) {
    struct Case {
        const char* name;
        const char* ini;
        std::map<int, FakeDriverPort::Device> devices;
        const char* port;
        std::vector<int> firstOpens;  // the opens the start begins with
        std::size_t dtrSwitches;      // three per modem check, one for the running driver
        int masterIndex;
        int timer1;
    };
    const Case cases[] = {
        {"a port above 20 reads as none and the scan runs",
         "[SerialPort]\nCOM=21\n",
         {{4, kModem}},
         "COM4",
         {1, 2, 3, 4, 5},
         4,
         1,
         305},
        {"COM10 opens", "[SerialPort]\nCOM=10\n", {{10, kModem}}, "COM10", {10}, 4, 1, 305},
        {"COM15 opens", "[SerialPort]\nCOM=15\n", {{15, kModem}}, "COM15", {15}, 4, 1, 305},
        {"no modem check wanted: the port is used as it is",
         "[SerialPort]\nCOM=3\nModemDetection=0\nMaster=0\n",
         {{3, kNoModem}},
         "COM3",
         {3},
         1,
         0,
         380},
        {"a stored port that fails its check leads to the scan",
         "[SerialPort]\nCOM=2\n",
         {{2, kNoModem}, {7, kModem}},
         "COM7",
         {2, 1, 2, 3},
         10,
         1,
         305},
        {"a stored port that does not open leads to the scan",
         "[SerialPort]\nCOM=2\n",
         {{2, {EACCES, true}}, {9, kModem}},
         "COM9",
         {2, 1, 2, 3},
         4,
         1,
         305},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port = FakeDriverPort();
        port.devices = c.devices;
        start(c.ini);
        EXPECT_EQ(portShown(), c.port);
        EXPECT_TRUE(port.isOpen());
        EXPECT_EQ(port.number(), std::stoi(std::string(c.port).substr(3)));
        ASSERT_GE(port.opened.size(), c.firstOpens.size());
        EXPECT_EQ(
            std::vector<int>(port.opened.begin(), port.opened.begin() + std::ssize(c.firstOpens)),
            c.firstOpens);
        EXPECT_EQ(port.dtr.size(), c.dtrSwitches);
        EXPECT_EQ(form->engine().mType, mRQ20);
        EXPECT_EQ(form->cMasterType->currentIndex(), c.masterIndex);
        EXPECT_EQ(form->engine().msg.mt, c.masterIndex == 0 ? hart::mtPrimary : hart::mtSecondary);
        EXPECT_EQ(form->timer1().interval(), c.timer1);
        EXPECT_TRUE(dialogs.errors.empty());
        form.reset();
    }
}

TEST_F(HalvaneFormTest, TheScanChoosesTheLastPortWithAModemAndLeavesItOpen) {
    port.devices = {{1, {EBUSY, false}}, {2, kModem}, {3, kNoModem}, {5, kModem}, {6, kNoModem}};
    std::map<int, std::string> comWhenOpening;
    port.beforeOpen = [&](int n) { comWhenOpening[n] = setting("COM"); };
    start("");
    EXPECT_EQ(comWhenOpening[3], "2") << "COM=2 is written as soon as COM2 answers";
    EXPECT_EQ(comWhenOpening[6], "5");
    EXPECT_EQ(comWhenOpening[20], "5");
    EXPECT_EQ(setting("COM"), "5");
    EXPECT_EQ(portShown(), "COM5");
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.number(), 5) << "reopened after the scan went on to COM20";
    EXPECT_EQ(port.opened.back(), 5);
    EXPECT_TRUE(dialogs.errors.empty()) << "failures of single ports are not reported";
}

TEST_F(HalvaneFormTest, WithoutAModemAnywhereTheWindowSaysSoAndThePortIsClosed) {
    port.devices = {{2, kNoModem}, {4, kNoModem}};
    start("[SerialPort]\nCOM=2\n");
    EXPECT_EQ(portShown(), "none");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>{"No HART Modem Connected!"}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(setting("COM"), "2") << "the stored port is kept";
    EXPECT_EQ(form->engine().mType, mRQ10);
    EXPECT_EQ(form->Label10->text(), "");
    EXPECT_FALSE(form->portSelected());
}

TEST_F(HalvaneFormTest, AStoredPortThatDoesNotOpenSaysWhyWhenNoModemIsFound) {
    port.devices = {{2, {EACCES, true}}};
    start("[SerialPort]\nCOM=2\n");
    EXPECT_EQ(portShown(), "none");
    ASSERT_EQ(dialogs.errors.size(), 1u);
    const std::string& text = dialogs.errors[0];
    EXPECT_TRUE(
        text.starts_with("No HART Modem Connected!\r\nThis port cannot be used!\r\n"
                         "COM2 (/dev/ttyFAKE2): Permission denied."))
        << text;
    EXPECT_NE(text.find("dialout"), std::string::npos) << text;
}

TEST_F(HalvaneFormTest, PickingAPort) {
    struct Case {
        const char* name;
        int pick;
        FakeDriverPort::Device device;
        std::vector<Answer> answers;
        const char* shown;
        const char* modemDetection;  // as written
        const char* com;             // as written
        bool open;
    };
    const Case cases[] = {
        {"a modem answers", 6, kModem, {}, "COM6", "1", "6", true},
        {"no modem, used anyway", 7, kNoModem, {Answer::Yes}, "COM7", "0", "7", true},
        {"no modem, not used", 7, kNoModem, {Answer::No}, "none", "<missing>", "1", false},
        {"the list back on none", 0, kNoModem, {}, "none", "<missing>", "1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port = FakeDriverPort();
        port.devices = {{1, kModem}, {c.pick, c.device}};
        dialogs = ScriptedDialogs();
        start("[SerialPort]\nCOM=1\n");
        form->engine().mType = mRQ10;
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        pick(c.pick);
        EXPECT_EQ(portShown(), c.shown);
        EXPECT_EQ(setting("ModemDetection"), c.modemDetection);
        EXPECT_EQ(setting("COM"), c.com);
        EXPECT_EQ(port.isOpen(), c.open);
        EXPECT_FALSE(port.rtsOn()) << "an idle loop: the modem must not be keyed";
        EXPECT_EQ(form->engine().mType, c.open ? mRQ20 : mRQ10);
        EXPECT_EQ(dialogs.questions.size(), c.answers.size());
        if (!c.answers.empty()) {
            EXPECT_EQ(dialogs.questions[0],
                      "No HART Modem Detected!\r\nDo you really want to use this port?");
        }
        EXPECT_TRUE(dialogs.errors.empty());
        form.reset();
    }
}

TEST_F(HalvaneFormTest, APortThatCannotBeUsedSaysWhy) {
    port.devices = {{1, kModem}, {8, {EACCES, true}}};
    start("[SerialPort]\nCOM=1\n");
    pick(8);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    const std::string& text = dialogs.errors[0];
    EXPECT_TRUE(
        text.starts_with("This port cannot be used!\r\nCOM8 (/dev/ttyFAKE8): Permission "
                         "denied."))
        << text;
    EXPECT_NE(text.find("dialout"), std::string::npos) << text;
    EXPECT_EQ(portShown(), "none");
    EXPECT_EQ(setting("COM"), "1");
}

TEST_F(HalvaneFormTest, PickingTheMasterWritesItAndSetsTheRole) {
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n");
    form->cMasterType->setCurrentIndex(0);
    form->cMasterTypeChange();
    EXPECT_EQ(form->engine().msg.mt, hart::mtPrimary);
    EXPECT_EQ(setting("Master"), "0");
    form->cMasterType->setCurrentIndex(1);
    form->cMasterTypeChange();
    EXPECT_EQ(form->engine().msg.mt, hart::mtSecondary);
    EXPECT_EQ(setting("Master"), "1");
}

TEST_F(HalvaneFormTest, ClosingOnlyHidesTheWindowUnlessTheUserReallyExits) {
    auto escapeIn = [](QObject* target) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &escape);
    };
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"title bar",
         [&] {
             QCloseEvent event;
             QCoreApplication::sendEvent(form.get(), &event);
             EXPECT_FALSE(event.isAccepted());
         }},
        {"Escape in the window", [&] { escapeIn(form.get()); }},
        {"Escape in the edit box", [&] { escapeIn(form->Command); }},
        {"Escape in the port list", [&] { escapeIn(form->UsedPort); }},
        {"Close Halvane answered No",
         [&] {
             dialogs.answers = {Answer::No};
             form->ExitHalvane1Click();
         }},
        {"Close Halvane answered Cancel",
         [&] {
             dialogs.answers = {Answer::Cancel};
             form->ExitHalvane1Click();
         }},
    };
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n");
    for (const auto& [name, close] : cases) {
        SCOPED_TRACE(name);
        form->ShowPanel1Click();
        ASSERT_TRUE(form->isVisible());
        close();
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->closed());
        EXPECT_FALSE(pump.terminating());
        EXPECT_TRUE(port.isOpen());
    }
    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(dialogs.questions[0],
              "Do You really want to exit Halvane?\r\nIt disallows to other programs to "
              "communicate with HART devices!");

    dialogs.answers = {Answer::Yes};
    form->ExitHalvane1Click();
    EXPECT_TRUE(form->closed());
    EXPECT_TRUE(pump.terminating());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(form->Timer2.isActive());
}

TEST_F(HalvaneFormTest, WithoutANotificationAreaClosingMinimisesTheWindow) {
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n", /*tray=*/false);
    EXPECT_FALSE(form->noTrayNote->isHidden());
    form->ShowPanel1Click();
    QCloseEvent event;
    QCoreApplication::sendEvent(form.get(), &event);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMinimized());
    EXPECT_FALSE(form->closed());
}

TEST_F(HalvaneFormTest, TheEndOfTheSessionClosesTheDriver) {
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n");
    form->WMQueryEndSession();
    QCloseEvent event;
    QCoreApplication::sendEvent(form.get(), &event);
    EXPECT_TRUE(event.isAccepted());
    EXPECT_TRUE(form->closed());
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(pump.terminating());
}

TEST_F(HalvaneFormTest, AfterACancelledLogoutClosingHidesAgain) {
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n");
    form->show();
    form->sessionEndWait.setInterval(5);
    form->WMQueryEndSession();
    QElapsedTimer elapsed;
    elapsed.start();
    while (!form->HideOnly && elapsed.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    // The logout was cancelled; the user closes the window that is still open.
    QCloseEvent event;
    QCoreApplication::sendEvent(form.get(), &event);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->closed());
    EXPECT_FALSE(pump.terminating());
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(HalvaneFormTest, TheRepeatBoxStartsTheCommandEverySecond) {
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n");
    EXPECT_TRUE(form->Timer2.isActive());
    EXPECT_EQ(form->Timer2.interval(), 1000);

    form->Command->setText("3;;0");
    form->Timer2Timer();
    EXPECT_FALSE(form->engine().msg.DataToSend) << "unchecked: nothing";

    form->CheckBox1->setChecked(true);
    form->ListBox1->addItem("old reply");
    form->Timer2Timer();
    EXPECT_EQ(form->engine().msg.Command, 3);
    EXPECT_TRUE(form->engine().msg.DataToSend);
    EXPECT_TRUE(form->timer1().enabled());
    EXPECT_FALSE(form->engine().Busy) << "the manual path does not set Busy";

    // The last reply stays until the next one replaces it, be it a reply or an error.
    EXPECT_EQ(form->ListBox1->count(), 1);
    form->addListLines({"3", "0", "Communication Error!"});
    EXPECT_EQ(form->ListBox1->count(), 3);
    EXPECT_EQ(form->ListBox1->item(0)->text(), "3");
    // The button clears the list at once.
    form->Button1Click();
    EXPECT_EQ(form->ListBox1->count(), 0);
}

TEST_F(HalvaneFormTest, AClientsCommandSwitchesTheRepeatBoxOff) {
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n");
    form->Command->setText("3;;0");
    form->CheckBox1->setChecked(true);

    // A write command from a client lands in the edit box: repeating it would write the
    // device's configuration again every second.
    execute({"6", "0", "1"});
    EXPECT_EQ(form->Command->text(), "6\r\n0\r\n1\r\n");
    EXPECT_FALSE(form->CheckBox1->isChecked());
    form->engine().msg.Command = 0;
    form->Timer2Timer();
    EXPECT_EQ(form->engine().msg.Command, 0) << "not sent again";
}

TEST_F(HalvaneFormTest, TheReplyListNamesItsLines) {
    port.devices[1] = kModem;
    start("[SerialPort]\nCOM=1\n");
    form->engine().msg.Command = 3;  // the reply the engine has just decoded
    form->setListLines({"3", "0", "", "", "4", "kPa", "101.5", "x"});
    std::vector<std::string> names;
    std::vector<std::string> texts;
    for (int i = 0; i < form->ListBox1->count(); ++i) {
        names.push_back(form->ListBox1->item(i)->data(Qt::UserRole + 1).toString().toStdString());
        texts.push_back(form->ListBox1->item(i)->text().toStdString());
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"Command", "Polling address", "Response", "Device status",
                                        "Loop current (mA)", "PV unit", "PV", "SV unit"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"3", "0", "", "", "4", "kPa", "101.5", "x"}))
        << "the lines stay as served";
}

TEST_F(HalvaneFormTest, ExecutesFromClientsReachTheCommandInterface) {
    port.devices = {{1, kModem}, {5, kModem}, {6, kNoModem}};
    start("[SerialPort]\nCOM=1\n");

    execute({"status"});
    EXPECT_TRUE(itemShows("digits"));
    EXPECT_EQ(server.itemText(), "COM1\r\n\r\nRQ-20\r\nSecondary Master\r\n6 digits\r\n");

    form->engine().mType = mRQ10;
    execute({"SET COM5"});
    EXPECT_TRUE(itemShows("COM5"));
    EXPECT_EQ(server.itemText(), "COM5\r\n\r\nRQ-20\r\nSecondary Master\r\n6 digits\r\n");
    EXPECT_EQ(portShown(), "COM5");
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.number(), 5);
    EXPECT_FALSE(port.rtsOn());
    EXPECT_EQ(form->Label10->text(), "RQ-20");
    EXPECT_EQ(setting("COM"), "1") << "a client's port change is not stored";

    execute({"SET COM6"});
    EXPECT_TRUE(itemShows("none"));
    EXPECT_EQ(portShown(), "none");
    EXPECT_TRUE(port.isOpen()) << "a port without a modem stays open";
    EXPECT_EQ(port.number(), 6);
    EXPECT_FALSE(port.rtsOn());

    execute({"SET PRIMARY"});
    EXPECT_TRUE(itemShows("Primary Master"));
    EXPECT_EQ(form->cMasterType->currentIndex(), 0);
    EXPECT_EQ(setting("Master"), "<missing>");

    execute({"3", "0"});
    EXPECT_EQ(form->Command->text(), "3\r\n0\r\n");
    EXPECT_TRUE(form->engine().Busy);

    execute({"terminate"});
    EXPECT_TRUE(form->closed());
    EXPECT_TRUE(pump.terminating());
    EXPECT_FALSE(port.isOpen());
}

TEST_F(HalvaneFormTest, AnExecuteDuringAPortChangeIsDropped) {
    port.devices = {{1, kModem}, {5, kModem}};
    start("[SerialPort]\nCOM=1\n");
    // A client's command arrives while SET COM5 checks the modem.
    port.beforeOpen = [&](int) {
        QMetaObject::invokeMethod(
            &server,
            [&] {
                execute({"3", "0"});
            },
            Qt::QueuedConnection);
    };
    execute({"SET COM5"});
    EXPECT_TRUE(itemShows("digits"));
    EXPECT_EQ(server.itemText(), "COM5\r\n\r\nRQ-20\r\nSecondary Master\r\n6 digits\r\n");
    EXPECT_FALSE(form->engine().msg.DataToSend) << "the command was dropped";
    EXPECT_FALSE(form->engine().Busy);
    EXPECT_EQ(form->Command->text(), "SET COM5\r\n");
}

}  // namespace
}  // namespace driver
