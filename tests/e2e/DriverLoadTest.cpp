// Ten clients drive the real driver at once for a bounded time: seven threads on the channel
// (advising or polling) and three halvane-cmd loops. Whatever a client reads must be the busy
// marker, the status text or a complete reply of a command that was sent; the driver must stay
// up, keep serving afterwards, keep its memory and end cleanly.

#include <array>
#include <iostream>
#include <map>
#include <thread>

#include "ReplyCheck.h"
#include "RigTest.h"
#include "TestLoop.h"
#include "platform/channel/ConversationClient.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kLoadTime = 15s;
constexpr int kChannelClients = 7;
constexpr int kCommandLineClients = 3;
// Resident memory may grow this much over the load: allocator caches, and in the sanitizer
// build its quarantine of freed memory (kept small for the driver by the rig).
constexpr long kMemorySlackKiB = 20 * 1024;

// What the channel clients execute, in turn: both command-line forms, a refusal and a control
// command.
const std::array<std::string, 8> kExecutes{"0\r\n1\r\n", "3\r\n1\r\n", "0   \r\n2\r\n", "3;;2",
                                           "0\r\n3\r\n", "3\r\n3\r\n", "3\r\n65\r\n",   "STATUS"};
const std::array<std::vector<std::string>, 5> kCommandLines{
    {{"3", "1"}, {"0", "2"}, {"3", "3"}, {"3", "65"}, {"--status"}}};

// What one client saw.
struct ClientLog {
    std::map<ItemKind, int> seen;
    int busyExits = 0;  // halvane-cmd runs that found the driver busy with another client
    std::vector<std::string> faults;

    std::optional<ItemKind> note(const Verdict& verdict) {
        if (verdict.kind)
            ++seen[*verdict.kind];
        else
            faults.push_back(verdict.fault);
        return verdict.kind;
    }
    int count(ItemKind kind) const {
        const auto found = seen.find(kind);
        return found == seen.end() ? 0 : found->second;
    }
};

std::chrono::milliseconds until(Clock::time_point deadline) {
    return std::max(0ms,
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
}

// A channel client: executes, then follows the item (through pushed changes when advising,
// otherwise by requesting it every 25 ms) until a result follows a busy marker, at most 2 s.
void channelClient(std::size_t first, bool advising, Clock::time_point end, ClientLog& log) {
    platform::channel::ConversationClient client;
    if (!client.open() || (advising && !client.advise())) {
        log.faults.push_back("no conversation: " + client.errorString());
        return;
    }
    for (std::size_t round = first; Clock::now() < end; ++round) {
        if (!client.execute(kExecutes[round % kExecutes.size()])) {
            log.faults.push_back("execute not sent: " + client.errorString());
            return;
        }
        const Clock::time_point watchEnd = std::min(end, Clock::now() + 2s);
        bool busySeen = false;
        while (Clock::now() < watchEnd) {
            std::optional<std::string> text;
            if (advising) {
                const auto change = client.waitForChange(until(watchEnd));
                if (!change) break;
                text = change->text;
            } else {
                text = client.request();
                std::this_thread::sleep_for(25ms);  // this client's poll rate
            }
            if (!text) {
                log.faults.push_back("request failed: " + client.errorString());
                return;
            }
            const std::optional<ItemKind> kind = log.note(judgeItemText(*text));
            if (kind == ItemKind::Busy) {
                busySeen = true;
            } else if (busySeen) {
                break;
            }
        }
        if (advising) {
            // Requests between pushes on the same conversation.
            const std::optional<std::string> text = client.request();
            if (!text) {
                log.faults.push_back("request failed: " + client.errorString());
                return;
            }
            log.note(judgeItemText(*text));
        }
    }
}

// Whether halvane-cmd printed a result of its own command line.
bool isResultOf(ItemKind kind, const std::vector<std::string>& lines,
                const std::vector<std::string>& command) {
    if (command.size() == 1) return kind == ItemKind::Status;
    if (kind == ItemKind::Busy || kind == ItemKind::Status) return false;
    // A device silent through its re-identification is reported as command 0.
    const bool sameCommand =
        lines[0] == command[0] || (kind == ItemKind::CommunicationError && lines[0] == "0");
    return sameCommand && lines[1] == command[1];
}

// A halvane-cmd loop: each run prints the result of its own command, or finds the driver busy.
void commandLineClient(const LoopRig& rig, std::size_t first, Clock::time_point end,
                       ClientLog& log) {
    for (std::size_t round = first; Clock::now() < end; ++round) {
        const std::vector<std::string>& command = kCommandLines[round % kCommandLines.size()];
        std::vector<std::string> args{"--timeout", "20"};
        args.insert(args.end(), command.begin(), command.end());
        const RunResult run = rig.halvaneCmd(args, 40s);
        const std::vector<std::string> lines = outputLines(run.output);
        if (run.status.exited && run.status.code == kBusy && run.output.empty()) {
            ++log.busyExits;
        } else if (!run.status.exited || run.status.code < kDelivered ||
                   run.status.code > kCommunicationError) {
            log.faults.push_back(describe(run));
        } else if (const auto kind = log.note(judgeLines(lines));
                   kind && !isResultOf(*kind, lines, command)) {
            log.faults.push_back("the result of another command: " + describe(run));
        }
    }
}

using DriverLoad = RigTest;

TEST_F(DriverLoad, TenClientsAtOnceSeeOnlyBusyMarkersAndCompleteTexts) {
    // Identified devices are read at once, without re-identification.
    for (const SimulatedDevice& device : loopDevices()) {
        const RunResult run = rig->halvaneCmd({"0", std::to_string(device.address)});
        ASSERT_EQ(run.status.code, kDelivered) << describe(run);
    }
    const long memoryBefore = residentKiB(rig->driverPid());
    ASSERT_GT(memoryBefore, 0);

    const Clock::time_point end = Clock::now() + kLoadTime;
    std::array<ClientLog, kChannelClients + kCommandLineClients> logs;
    std::vector<std::thread> clients;
    for (std::size_t i = 0; i < kChannelClients; ++i)
        clients.emplace_back(channelClient, i, i % 2 == 0, end, std::ref(logs[i]));
    for (std::size_t i = 0; i < kCommandLineClients; ++i)
        clients.emplace_back(commandLineClient, std::cref(*rig), i, end,
                             std::ref(logs[kChannelClients + i]));
    for (std::thread& client : clients)
        client.join();

    ASSERT_TRUE(rig->driverRunning()) << "the driver ended under load" << rig->logs();
    const long memoryAfter = residentKiB(rig->driverPid());

    int delivered = 0;
    for (std::size_t i = 0; i < logs.size(); ++i) {
        const ClientLog& log = logs[i];
        SCOPED_TRACE("client " + std::to_string(i));
        EXPECT_TRUE(log.faults.empty())
            << log.faults.size() << " faults, the first: " << log.faults.front();
        if (i < kChannelClients)
            EXPECT_GT(log.count(ItemKind::Delivered), 0) << "every reply reaches every watcher";
        else
            EXPECT_GT(log.seen.size() + log.busyExits, 0u) << "halvane-cmd ran";
        delivered += log.count(ItemKind::Delivered);
        std::cout << "client " << i << ": " << log.count(ItemKind::Busy) << " busy, "
                  << log.count(ItemKind::Delivered) << " delivered, " << log.count(ItemKind::Status)
                  << " status, " << log.count(ItemKind::CommandError) << " refused, "
                  << log.count(ItemKind::CommunicationError) << " silent, " << log.busyExits
                  << " busy exits\n";
    }
    std::cout << "driver memory: " << memoryBefore << " KiB before, " << memoryAfter
              << " KiB after\n";
    EXPECT_LE(memoryAfter - memoryBefore, kMemorySlackKiB);

    // The driver is free again and answers exactly.
    const SimulatedDevice& device = loopDevices().back();
    const RunResult after = rig->halvaneCmd({"0", std::to_string(device.address)});
    ASSERT_EQ(after.status.code, kDelivered) << describe(after);
    EXPECT_EQ(replyMismatch(outputLines(after.output), 0, device), "");
}

}  // namespace
}  // namespace e2e
