// The driver as its users run it: hartsim's multidrop loop on a pseudo-terminal, the Halvane
// process pinned to it, and halvane-cmd over the driver's socket. Each test starts its own
// simulator and driver and stops them by process id.

#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "ReplyCheck.h"
#include "RigTest.h"
#include "TestLoop.h"
#include "platform/channel/ConversationClient.h"

namespace e2e {
namespace {

using DriverEndToEnd = RigTest;

TEST_F(DriverEndToEnd, IdentifiesAndReadsEveryDeviceOfTheLoop) {
    EXPECT_EQ(outputLines(rig->statusAtStart()), kStatusLines) << "the pinned pty is COM1";

    for (const SimulatedDevice& device : loopDevices()) {
        SCOPED_TRACE("polling address " + std::to_string(device.address));
        const std::string address = std::to_string(device.address);

        const RunResult identify = rig->halvaneCmd({"0", address});
        ASSERT_EQ(identify.status.code, kDelivered) << describe(identify);
        const std::vector<std::string> identity = outputLines(identify.output);
        EXPECT_EQ(replyMismatch(identity, 0, device), "");
        ASSERT_GE(identity.size(), 4u);
        EXPECT_EQ(identity[3], kFirstReplyStatus) << "a device's first reply to this master";

        for (int reading = 0; reading < 2; ++reading) {
            const RunResult read = rig->halvaneCmd({"3", address});
            ASSERT_EQ(read.status.code, kDelivered) << describe(read);
            const std::vector<std::string> lines = outputLines(read.output);
            EXPECT_EQ(replyMismatch(lines, 3, device), "");
            ASSERT_GE(lines.size(), 4u);
            EXPECT_EQ(lines[3], kMultidropStatus);
        }
    }
}

TEST_F(DriverEndToEnd, RefusesWhatItCannotSend) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> reply;
    };
    const Case cases[] = {
        {{"4", "1"}, {"4", "1", "Command Error!"}},    // a command the driver does not send
        {{"3", "65"}, {"3", "65", "Command Error!"}},  // beyond the polling addresses
        {{"35", "1", "furlongs", "100", "0"},          // an argument it cannot encode
         {"35", "1", "Command Error!"}},
    };
    // The driver's own refusal, and halvane-cmd's check before sending, give the same reply.
    for (const Case& c : cases) {
        for (const bool checked : {false, true}) {
            std::vector<std::string> args = c.args;
            if (!checked) args.insert(args.begin(), "--no-check");
            const RunResult run = rig->halvaneCmd(args);
            EXPECT_EQ(run.status.code, kCommandError) << describe(run);
            EXPECT_EQ(outputLines(run.output), c.reply) << describe(run);
            EXPECT_EQ(run.errors.find("not sent") != std::string::npos, checked) << describe(run);
        }
    }
}

bool hasLine(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.starts_with(prefix); });
}

TEST_F(DriverEndToEnd, NamesTheReplyLinesAndExplainsRefusals) {
    const SimulatedDevice& device = loopDevices().back();  // HART 7: all four variables
    const std::string address = std::to_string(device.address);

    RunResult run = rig->halvaneCmd({"--labels", "0", address});
    ASSERT_EQ(run.status.code, kDelivered) << describe(run);
    std::vector<std::string> lines = outputLines(run.output);
    EXPECT_EQ(lines[0], "Command: 0 (Read Unique Identifier)") << run.output;
    EXPECT_TRUE(hasLine(lines, "HART revision: 7")) << run.output;
    EXPECT_TRUE(hasLine(lines, "Device ID: " + device.identity.back())) << run.output;

    run = rig->halvaneCmd({"--labels", "3", address});
    ASSERT_EQ(run.status.code, kDelivered) << describe(run);
    lines = outputLines(run.output);
    EXPECT_TRUE(hasLine(lines, "Loop current: " + std::string(kMultidropCurrent) + " mA"))
        << run.output;
    for (const auto& [name, variable] :
         {std::pair{"PV: ", device.variables[0]}, std::pair{"QV: ", device.variables[3]}}) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const std::string& l) { return l.starts_with(name); });
        ASSERT_NE(line, lines.end()) << run.output;
        EXPECT_TRUE(line->ends_with(" " + variable.unit)) << *line;
    }

    // Twice, one JSON object a line, each with its fields by name.
    run = rig->halvaneCmd({"--json", "--repeat", "2", "--interval", "0.2", "3", address});
    ASSERT_EQ(run.status.code, kDelivered) << describe(run);
    lines = outputLines(run.output);
    ASSERT_EQ(lines.size(), 2u) << run.output;
    for (const std::string& line : lines) {
        QJsonParseError error;
        const QJsonObject reply =
            QJsonDocument::fromJson(QByteArray::fromStdString(line), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line;
        EXPECT_EQ(reply["address"].toInt(), device.address);
        EXPECT_EQ(reply["fields"].toObject()["pv_unit"].toString().toStdString(),
                  device.variables[0].unit);
        EXPECT_FALSE(reply["time"].toString().isEmpty());
    }

    // A mistyped unit is not sent, and the right spelling is offered.
    run = rig->halvaneCmd({"44", address, "kpa"});
    EXPECT_EQ(run.status.code, kCommandError) << describe(run);
    EXPECT_EQ(outputLines(run.output), (std::vector<std::string>{"44", address, "Command Error!"}));
    EXPECT_NE(run.errors.find("did you mean kPa?"), std::string::npos) << run.errors;
}

TEST_F(DriverEndToEnd, SilentAddressEndsInCommunicationErrorAndTheDriverCarriesOn) {
    // Six sends and six re-identifications take about eleven seconds.
    const std::string address = std::to_string(kEmptyAddress);
    const RunResult silent = rig->halvaneCmd({"3", address});
    EXPECT_EQ(silent.status.code, kCommunicationError) << describe(silent);
    EXPECT_EQ(outputLines(silent.output),
              (std::vector<std::string>{"0", address, "Communication Error!"}))
        << "the re-identification failed too, so the command shows as 0";

    const SimulatedDevice& device = loopDevices().front();
    const RunResult next = rig->halvaneCmd({"0", std::to_string(device.address)});
    ASSERT_EQ(next.status.code, kDelivered) << describe(next);
    EXPECT_EQ(replyMismatch(outputLines(next.output), 0, device), "");
}

TEST_F(DriverEndToEnd, TerminateInTheMiddleOfATransactionEndsTheDriverAndFreesThePort) {
    platform::channel::ConversationClient client;
    ASSERT_TRUE(client.open()) << client.errorString();
    ASSERT_TRUE(client.advise());
    ASSERT_TRUE(client.execute("3\r\n" + std::to_string(kEmptyAddress) + "\r\n"));
    const auto change = client.waitForChange(10s);
    ASSERT_TRUE(change) << "no busy marker";
    ASSERT_EQ(change->text, "Busy!\r\n");

    ASSERT_TRUE(client.execute("terminate"));
    const std::optional<ExitStatus> end = rig->waitForDriverEnd(15s);
    ASSERT_TRUE(end) << "the driver still runs";
    EXPECT_TRUE(end->cleanExit()) << end->describe() << rig->logs();
    EXPECT_FALSE(std::filesystem::exists(rig->socketFile())) << "the socket is removed";
    client.close();

    // The next driver opens the same pseudo-terminal and finds the devices answering.
    rig->startDriver();
    EXPECT_EQ(outputLines(rig->statusAtStart()), kStatusLines);
    const SimulatedDevice& device = loopDevices().front();
    const RunResult identify = rig->halvaneCmd({"0", std::to_string(device.address)});
    ASSERT_EQ(identify.status.code, kDelivered) << describe(identify);
    EXPECT_EQ(replyMismatch(outputLines(identify.output), 0, device), "");
}

}  // namespace
}  // namespace e2e
