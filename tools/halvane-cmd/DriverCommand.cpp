#include "tools/halvane-cmd/DriverCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

#include "platform/channel/ConversationClient.h"
#include "platform/folders/Folders.h"
#include "tools/halvane-cmd/PortList.h"
#include "tools/halvane-cmd/ReplyTracker.h"

namespace halvanecmd {

namespace {

using Clock = std::chrono::steady_clock;
using platform::channel::ConversationClient;

#ifdef Q_OS_WIN
constexpr const char* kDriverFile = "Halvane.exe";
#else
constexpr const char* kDriverFile = "Halvane";
#endif

std::string secondsText(std::chrono::milliseconds d) {
    const auto tenths = (d.count() + 50) / 100;
    return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") +
           " s";
}

void printLines(std::ostream& out, const Lines& lines) {
    for (const std::string& line : lines) {
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
        out.put('\n');
    }
    out.flush();
}

// The driver program to start: the one named, else Halvane beside this program, else on PATH.
QString driverProgram(const Options& options) {
    if (!options.driverProgram.empty()) return QFile::decodeName(options.driverProgram.c_str());
    if (QCoreApplication::instance()) {
        QFileInfo beside(QCoreApplication::applicationDirPath() + "/" + kDriverFile);
        if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(kDriverFile);
}

std::filesystem::path startedDriverLog() {
    try {
        return platform::runtimeFolder() / kStartedDriverLog;
    } catch (const std::exception&) {
        return {};  // the open below reports the folder's problem
    }
}

// Opens the conversation, starting the driver when asked and none answers.
bool openConversation(ConversationClient& client, const Options& options, const Limits& limits,
                      std::ostream& err) {
    if (!options.start) {
        if (client.open()) return true;
        err << "halvane-cmd: " << client.errorString();
        if (expectationFor(options.text).kind != Expectation::Kind::Terminate)
            err << " Start Halvane, or add --start to start it.";
        err << "\n";
        return false;
    }
    const QString program = driverProgram(options);
    if (program.isEmpty()) {
        const std::string folder = QCoreApplication::instance()
                                       ? QCoreApplication::applicationDirPath().toStdString()
                                       : std::string("the folder of halvane-cmd");
        err << "halvane-cmd: cannot start the driver: there is no program " << kDriverFile << " in "
            << folder << " or on PATH. Name it with --driver PATH.\n";
        return false;
    }
    const std::filesystem::path log = startedDriverLog();
    ConversationClient::ServerProgram server{
        program, {}, limits.startLimit, QString::fromStdString(log.string())};
    for (const std::string& arg : options.driverArguments)
        server.arguments << QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size()));

    const bool opened = client.open(server);
    const auto pid = client.startedProcessId();
    const std::string logNote =
        pid && !log.empty() ? " Its output goes to " + log.string() + "." : std::string();
    if (!opened) {
        err << "halvane-cmd: " << client.errorString();
        if (pid) err << " (A message box of the driver may be waiting for an answer.)";
        err << logNote << "\n";
        return false;
    }
    if (pid)
        err << "halvane-cmd: started " << program.toStdString() << " (process " << *pid << ")."
            << logNote << "\n";
    return true;
}

// Waits for the result of the execute just made. skip: changes read before the execute left.
ReplyTracker waitForResult(ConversationClient& client, ReplyTracker tracker, bool advising,
                           int skip, const Options& options, std::chrono::milliseconds takeLimit,
                           const Limits& limits) {
    const auto start = Clock::now();
    const auto deadline = start + options.timeout;
    const auto takeDeadline = start + std::min(takeLimit, options.timeout);
    // "terminate" may end the driver before it shows any sign of taking it.
    const bool waitsForTaking = tracker.expectation().kind != Expectation::Kind::Terminate;

    while (!tracker.done()) {
        const auto now = Clock::now();
        const auto until = waitsForTaking && !tracker.taken() ? takeDeadline : deadline;
        if (now >= until) {
            tracker.timeIsUp();
            break;
        }
        const auto left = std::max(std::chrono::ceil<std::chrono::milliseconds>(until - now), 1ms);
        if (advising) {
            if (auto change = client.waitForChange(left)) {
                if (skip > 0)
                    --skip;
                else
                    tracker.observe(change->text);
                continue;
            }
        } else {
            std::this_thread::sleep_for(std::min(left, limits.pollInterval));
            if (auto text = client.request(platform::channel::kItemName, left)) {
                tracker.observe(*text);
                continue;
            }
        }
        if (!client.isOpen()) tracker.conversationClosed();
    }
    return tracker;
}

int report(const ReplyTracker& tracker, const Options& options, std::chrono::milliseconds takeLimit,
           std::ostream& out, std::ostream& err) {
    const bool terminate = tracker.expectation().kind == Expectation::Kind::Terminate;
    const Lines& lines = tracker.lines();
    switch (tracker.verdict()) {
        case ReplyTracker::Verdict::Delivered:
            printLines(out, lines);
            return kDelivered;
        case ReplyTracker::Verdict::CommandError:
            printLines(out, lines);
            if (terminate) err << "halvane-cmd: Halvane did not end; it refused the line.\n";
            return kCommandError;
        case ReplyTracker::Verdict::CommunicationError:
            printLines(out, lines);
            return kCommunicationError;
        case ReplyTracker::Verdict::NoPort:
            printLines(out, lines);
            err << "halvane-cmd: Halvane could not use " << *tracker.expectation().port
                << " or found no HART modem on it; it has no port now. Check the port name "
                   "pinned in its settings and the modem.\n";
            return kCommunicationError;
        case ReplyTracker::Verdict::ForeignReply:
            err << "halvane-cmd: Halvane was busy with another client's command (command "
                << lines[0] << " to polling address " << lines[1]
                << ") and dropped this one. Try again.\n";
            return kBusy;
        case ReplyTracker::Verdict::NotTaken:
            err << "halvane-cmd: Halvane did not take the command within " << secondsText(takeLimit)
                << ": it is busy with another transaction (another client's or its window's) "
                   "and drops commands sent meanwhile. Try again.\n";
            return kBusy;
        case ReplyTracker::Verdict::NoResult:
            if (terminate)
                err << "halvane-cmd: Halvane did not end within " << secondsText(options.timeout)
                    << ".\n";
            else
                err << "halvane-cmd: Halvane took the command but gave no result within "
                    << secondsText(options.timeout) << " (see --timeout).\n";
            return kBusy;
        case ReplyTracker::Verdict::DriverEnded:
            return kDelivered;
        case ReplyTracker::Verdict::ConversationLost:
        case ReplyTracker::Verdict::Pending:
            break;
    }
    err << "halvane-cmd: Halvane ended the conversation before it replied; it may have "
           "stopped.\n";
    return kNoDriver;
}

}  // namespace

int runCommand(const Options& options, std::ostream& out, std::ostream& err, const Limits& limits) {
    ConversationClient client;
    if (!openConversation(client, options, limits, err)) return kNoDriver;

    const bool advising = !options.poll && client.advise();
    const std::optional<std::string> before = client.request();
    if (!before) {
        err << "halvane-cmd: " << client.errorString() << "\n";
        return kNoDriver;
    }

    // Changes that arrive up to the moment the text leaves belong to earlier transactions;
    // execute() itself may read some just before it sends, so they are counted and skipped.
    client.discardChanges();
    int readBeforeExecute = 0;
    auto counting = QObject::connect(&client, &ConversationClient::changed,
                                     [&readBeforeExecute] { ++readBeforeExecute; });
    const bool sent = client.execute(options.text);
    QObject::disconnect(counting);
    if (!sent) {
        err << "halvane-cmd: " << client.errorString() << "\n";
        return kNoDriver;
    }

    const Expectation expectation = expectationFor(options.text);
    const auto takeLimit = expectation.port ? limits.portChangeTakeLimit : limits.takeLimit;
    ReplyTracker tracker(expectation,
                         advising ? ReplyTracker::Mode::Advise : ReplyTracker::Mode::Poll, *before);
    tracker = waitForResult(client, std::move(tracker), advising, readBeforeExecute, options,
                            takeLimit, limits);
    client.close();
    return report(tracker, options, takeLimit, out, err);
}

int runHalvaneCmd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = parseArguments(args);
    switch (parsed.action) {
        case ParsedArguments::Action::Help:
            out << helpText();
            return kDelivered;
        case ParsedArguments::Action::Version:
            out << versionText();
            return kDelivered;
        case ParsedArguments::Action::Usage:
            err << "halvane-cmd: " << parsed.problem << " (see --help)\n";
            return kUsage;
        case ParsedArguments::Action::ListPorts:
            return listPorts(out, err);
        case ParsedArguments::Action::Run:
            break;
    }
    return runCommand(parsed.options, out, err);
}

}  // namespace halvanecmd
