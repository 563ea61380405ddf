// Executes from clients: busy handling, control commands and the texts the item shows.

#include "driver/command/CommandInterface.h"

#include <gtest/gtest.h>

#include "support/EngineRig.h"

namespace driver {
namespace {

using testsupport::LineAnswer;
using testsupport::SimulatedTime;
using Lines = std::vector<std::string>;

class FakeControl : public DriverControl {
  public:
    int terminations = 0;
    std::vector<int> portChanges;
    std::string port = "COM3";
    std::string commandText;
    std::string modemShown = "unset";
    // Runs inside a port change, as the modem check lets events run.
    std::function<void()> duringPortChange;
    void terminateDriver() override { ++terminations; }
    void changePort(int number) override {
        portChanges.push_back(number);
        port = "COM" + std::to_string(number);
        if (duringPortChange) duringPortChange();
    }
    std::string portText() const override { return port; }
    void setCommandText(const std::string& text) override { commandText = text; }
    void statusReported(const std::string& modemText, hart::MasterType) override {
        modemShown = modemText;
    }
};

// A device at polling address 5 that answers command 0 and command 3 (PV 12.34 kPa).
std::optional<LineAnswer> device(std::span<const std::uint8_t> request) {
    std::size_t p = 0;
    while (request[p] == 0xFF)
        ++p;
    std::vector<std::uint8_t> f(5, 0xFF);
    if (request[p] == 0x02) {
        f.insert(f.end(), {0x06, 0x85, 0x00, 14, 0, 0, 254, 0x26, 0x05, 5, 5, 1, 2, 3, 0, 1, 2, 3});
    } else if (request[p + 6] == 3) {
        f.insert(f.end(), {0x86, 0xA6, 0x05, 0x01, 0x02, 0x03, 3, 11, 0, 0, 0x41, 0x40, 0, 0, 12,
                           0x41, 0x45, 0x70, 0xA4});
    } else {
        return std::nullopt;
    }
    std::uint8_t check = 0;
    for (std::size_t i = 5; i < f.size(); ++i)
        check ^= f[i];
    f.push_back(check);
    return LineAnswer{f, 20};
}

class CommandInterfaceTest : public ::testing::Test, protected testsupport::EngineRig {
  protected:
    CommandInterfaceTest() : EngineRig(HALVANE_TABLE_FILE) { port.device = device; }

    void execute(const Lines& lines) { commands.DdeHartServerExecuteMacro(lines); }

    SimulatedTime::Timer busyTimer{time};
    FakeControl control;
    CommandInterface commands{engine, view, busyTimer, control};
};

TEST_F(CommandInterfaceTest, CommandLineShowsBusyThenTheReply) {
    for (const Lines& lines : {Lines{"0", "5"}, Lines{"0   ", "5"}, Lines{"0;;5"}}) {
        SCOPED_TRACE(lines[0]);
        execute(lines);
        EXPECT_TRUE(engine.Busy);
        time.runFor(2);
        EXPECT_EQ(view.served(), "Busy!\r\n");
        settle();
        ASSERT_GE(view.item.size(), 2u);
        EXPECT_EQ(view.item[0], "0");
        EXPECT_EQ(view.item[1], "5");
        EXPECT_FALSE(engine.Busy);
    }
    EXPECT_EQ(control.commandText, "0;;5\r\n");
}

TEST_F(CommandInterfaceTest, ControlCommandsAnswerWithTheStatusText) {
    const struct {
        Lines lines;
        const char* status;
    } cases[] = {
        {{"status"}, "COM3\r\n\r\n\r\nPrimary Master\r\n6 digits\r\n"},
        {{"SET SECONDARY"}, "COM3\r\n\r\n\r\nSecondary Master\r\n6 digits\r\n"},
        {{"set rq-20"}, "COM3\r\n\r\nRQ-20\r\nSecondary Master\r\n6 digits\r\n"},
        {{"SET PRECISION 9"}, "COM3\r\n\r\nRQ-20\r\nSecondary Master\r\n9 digits\r\n"},
        {{"SET ", "PRIMARY"}, "COM3\r\n\r\nRQ-20\r\nPrimary Master\r\n9 digits\r\n"},
        {{"SET RQ-10"}, "COM3\r\n\r\n\r\nPrimary Master\r\n9 digits\r\n"},
        {{"SET COM7"}, "COM7\r\n\r\n\r\nPrimary Master\r\n9 digits\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines[0]);
        execute(c.lines);
        time.runFor(2);
        EXPECT_EQ(view.served(), c.status);
        EXPECT_FALSE(engine.Busy);
        EXPECT_TRUE(port.sent.empty());
    }
    EXPECT_EQ(control.portChanges, std::vector<int>{7});
    EXPECT_EQ(control.modemShown, "");

    // Floats of later replies carry the precision set.
    execute({"3", "5"});
    settle();
    EXPECT_EQ(view.item.at(6), "12.3400002");
}

TEST_F(CommandInterfaceTest, UnknownControlTextIsRefusedAsACommandLine) {
    for (const Lines& lines : {Lines{"SET COM21"}, Lines{"SET COM0"}, Lines{"3", "65"}}) {
        execute(lines);
        settle();
        EXPECT_TRUE(view.served().ends_with("\r\nCommand Error!\r\n")) << view.served();
    }
    EXPECT_EQ(view.served(), "3\r\n65\r\nCommand Error!\r\n");
    EXPECT_TRUE(control.portChanges.empty());
}

TEST_F(CommandInterfaceTest, BusyDriverTakesOnlyTheExactTerminateLine) {
    execute({"3", "5"});
    time.runFor(2);
    for (const Lines& lines :
         {Lines{"Terminate"}, Lines{"status"}, Lines{"terminate", ""}, Lines{"0", "5"}}) {
        execute(lines);
    }
    EXPECT_EQ(control.terminations, 0);
    EXPECT_EQ(view.served(), "Busy!\r\n");
    execute({"terminate"});
    EXPECT_EQ(control.terminations, 1);
    execute({"TERMINATE"});
    EXPECT_EQ(control.terminations, 2);
}

TEST_F(CommandInterfaceTest, ExecutesDuringAPortChangeAreDroppedAsWhileBusy) {
    // The modem check clears Busy and lets events run; a client's execute that arrives then
    // must not start a transaction whose reply the port change's status text would end.
    control.duringPortChange = [this] {
        engine.Busy = false;
        execute({"3", "5"});
        execute({"STATUS"});
    };
    execute({"SET COM7"});
    EXPECT_TRUE(engine.Busy) << "busy until the status text is written";
    time.runFor(2);
    EXPECT_EQ(view.served(), "COM7\r\n\r\n\r\nPrimary Master\r\n6 digits\r\n");
    EXPECT_FALSE(engine.Busy);
    EXPECT_EQ(control.commandText, "SET COM7\r\n");
    settle();
    EXPECT_TRUE(port.sent.empty());
    EXPECT_FALSE(engine.msg.DataToSend);

    // Terminate still gets through.
    control.duringPortChange = [this] { execute({"terminate"}); };
    execute({"SET COM8"});
    EXPECT_EQ(control.terminations, 1);
}

TEST_F(CommandInterfaceTest, EmptyExecuteChangesNothing) {
    execute({});
    EXPECT_FALSE(engine.Busy);
    time.runFor(10);
    EXPECT_EQ(view.itemChanges, 0);
}

TEST_F(CommandInterfaceTest, LongAddressIsSetForThePreviousAddressAndRefused) {
    execute({"0", "5"});
    settle();
    execute({"SET LONGADR:038 005 001 002 009"});
    settle();
    EXPECT_EQ(engine.registr[5].Address, (std::array<std::uint8_t, 5>{38, 5, 1, 2, 9}));
    EXPECT_EQ(view.served(), "0\r\n0\r\nCommand Error!\r\n");

    execute({"0", "5"});
    settle();
    execute({"SET LONGADR:038 005 001 002 300"});  // above 255: nothing changes
    settle();
    EXPECT_EQ(engine.registr[5].Address, (std::array<std::uint8_t, 5>{38, 5, 1, 2, 3}));
    EXPECT_TRUE(view.served().ends_with("\r\nCommand Error!\r\n")) << view.served();
}

TEST_F(CommandInterfaceTest, LongAddressFieldsAreDecimalNumbersOrTheCommandIsRefused) {
    const std::array<std::uint8_t, 5> learnt{38, 5, 1, 2, 3};
    const struct {
        const char* text;
        std::array<std::uint8_t, 5> address;
    } cases[] = {
        {"SET LONGADR:$3F 005 001 002 009", learnt},
        {"SET LONGADR:038 0x1 001 002 009", learnt},
        {"SET LONGADR:038 005 +01 002 009", learnt},
        {"SET LONGADR:038 005 001 -02 009", learnt},
        {"SET LONGADR:038 005 001 002 0A9", learnt},
        {"SET LONGADR:038 005 001 002    ", learnt},
        {"SET LONGADR:038 005 001", learnt},
        // Blanks around the digits belong to the fixed-width layout.
        {"SET LONGADR: 38   5 1   002 9  ", {38, 5, 1, 2, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        execute({"0", "5"});  // learns the address and makes 5 the previous polling address
        settle();
        ASSERT_EQ(engine.registr[5].Address, learnt);
        execute({c.text});
        settle();
        EXPECT_EQ(engine.registr[5].Address, c.address);
        EXPECT_TRUE(view.served().ends_with("\r\nCommand Error!\r\n")) << view.served();
    }
}

}  // namespace
}  // namespace driver
