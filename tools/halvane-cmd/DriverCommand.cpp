#include "tools/halvane-cmd/DriverCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

#include "hart/CodeTables.h"
#include "hart/ReplyText.h"
#include "platform/channel/ConversationClient.h"
#include "platform/folders/Folders.h"
#include "platform/locale/SystemLocale.h"
#include "tools/halvane-cmd/CommandReference.h"
#include "tools/halvane-cmd/Interruption.h"
#include "tools/halvane-cmd/LocalCheck.h"
#include "tools/halvane-cmd/PortList.h"
#include "tools/halvane-cmd/ReplyOutput.h"
#include "tools/halvane-cmd/ReplyTracker.h"
#include "tools/halvane-cmd/TableFile.h"

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

// Waits are cut into slices of this length, so that Ctrl-C is noticed soon.
constexpr auto kInterruptionCheck = 100ms;

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

    while (!tracker.done() && !interruptionRequested()) {
        const auto now = Clock::now();
        const auto until = waitsForTaking && !tracker.taken() ? takeDeadline : deadline;
        if (now >= until) {
            tracker.timeIsUp();
            break;
        }
        const auto left = std::max(std::chrono::ceil<std::chrono::milliseconds>(until - now), 1ms);
        if (advising) {
            if (auto change = client.waitForChange(std::min(left, kInterruptionCheck))) {
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

// Prints the outcome of one transaction and gives its exit code.
int report(const ReplyTracker& tracker, const Options& options, std::chrono::milliseconds takeLimit,
           ReplyPrinter& printer, const hart::CodeTables& tables, std::ostream& err) {
    const bool terminate = tracker.expectation().kind == Expectation::Kind::Terminate;
    const Lines& lines = tracker.lines();
    const auto print = [&] { printer.print({lines, options.text, currentTimeStamp()}); };
    switch (tracker.verdict()) {
        case ReplyTracker::Verdict::Delivered:
            print();
            // A device's error answer is a reply all the same, but a script should not have to
            // read line 3 to see that the device refused.
            if (tracker.expectation().kind == Expectation::Kind::CommandLine &&
                classifyResponse(lines.size() > 2 ? lines[2] : "", tables).kind ==
                    ResponseClass::Kind::Error)
                return kErrorResponse;
            return kDelivered;
        case ReplyTracker::Verdict::CommandError:
            print();
            if (terminate) err << "halvane-cmd: Halvane did not end; it refused the line.\n";
            return kCommandError;
        case ReplyTracker::Verdict::CommunicationError:
            print();
            return kCommunicationError;
        case ReplyTracker::Verdict::NoPort:
            print();
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

// Executes the text once in the open conversation and waits for its result. Nothing when the
// conversation failed (said on err) or Ctrl-C came first.
std::optional<ReplyTracker> transact(ConversationClient& client, bool advising,
                                     const Options& options, std::chrono::milliseconds takeLimit,
                                     const Limits& limits, std::ostream& err) {
    const std::optional<std::string> before = client.request();
    if (!before) {
        err << "halvane-cmd: " << client.errorString() << "\n";
        return std::nullopt;
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
        return std::nullopt;
    }

    ReplyTracker tracker(expectationFor(options.text),
                         advising ? ReplyTracker::Mode::Advise : ReplyTracker::Mode::Poll, *before);
    tracker = waitForResult(client, std::move(tracker), advising, readBeforeExecute, options,
                            takeLimit, limits);
    if (interruptionRequested()) return std::nullopt;
    return tracker;
}

int listUnits(const Options& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path file = tableFilePath(options.tableFile);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        err << "halvane-cmd: there is no table file " << file.string()
            << "; --table names the one to list.\n";
        return kUsage;
    }
    const hart::CodeTables tables(file);
    const std::string list = unitList(tables);
    if (list.empty()) {
        err << "halvane-cmd: the table file " << file.string() << " names no units.\n";
        return kUsage;
    }
    out << list;
    return kDelivered;
}

// Refuses a command line the driver would refuse, before anything is sent. True when refused.
bool refusedHere(const Options& options, const hart::CodeTables& tables, ReplyPrinter& printer,
                 std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::exists(tables.path(), ec)) {
        err << "halvane-cmd: there is no table file " << tables.path().string()
            << ", so the command line goes to the driver unchecked (--table names one).\n";
        return false;
    }
    const platform::UserLocale locale = platform::systemUserLocale();
    const CheckResult check = checkCommandLine(options.text, hart::CoreContext{tables, locale});
    for (const std::string& note : check.notes)
        err << "halvane-cmd: note: " << note << ".\n";
    if (!check.refusal) return false;
    const Refusal& refusal = *check.refusal;
    err << "halvane-cmd: not sent, the driver would refuse it: " << refusal.reason
        << (refusal.reason.ends_with('?') ? "\n" : ".\n");
    const Lines lines = {refusal.command, refusal.address, std::string(hart::kCommandError)};
    printer.print({lines, options.text, currentTimeStamp(), refusal.reason});
    return true;
}

// Waits until `until` or Ctrl-C.
void pauseUntil(Clock::time_point until) {
    while (!interruptionRequested()) {
        const auto now = Clock::now();
        if (now >= until) return;
        std::this_thread::sleep_for(std::min(
            std::chrono::ceil<std::chrono::milliseconds>(until - now), kInterruptionCheck));
    }
}

}  // namespace

int runCommand(const Options& options, std::ostream& out, std::ostream& err, const Limits& limits) {
    const hart::CodeTables tables(tableFilePath(options.tableFile));
    ReplyPrinter printer(out, options.style, options.repeating, tables);
    const Expectation expectation = expectationFor(options.text);
    if (options.check && expectation.kind == Expectation::Kind::CommandLine &&
        refusedHere(options, tables, printer, err))
        return kCommandError;

    std::optional<InterruptionGuard> interruptions;
    if (options.repeating) interruptions.emplace();

    ConversationClient client;
    if (!openConversation(client, options, limits, err)) return kNoDriver;
    const bool advising = !options.poll && client.advise();
    const auto takeLimit = expectation.port ? limits.portChangeTakeLimit : limits.takeLimit;

    int code = kInterrupted;
    auto start = Clock::now();
    for (int done = 0; options.repeat == 0 || done < options.repeat; ++done) {
        if (done > 0) {
            start = std::max(start + options.interval, Clock::now());
            pauseUntil(start);
        }
        if (interruptionRequested()) break;
        const std::optional<ReplyTracker> tracker =
            transact(client, advising, options, takeLimit, limits, err);
        if (!tracker) {
            if (!interruptionRequested()) code = kNoDriver;
            break;
        }
        code = report(*tracker, options, takeLimit, printer, tables, err);
        // Without a driver there is nothing to repeat.
        if (code == kNoDriver) break;
    }
    client.close();
    return code;
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
        case ParsedArguments::Action::ListCommands:
            out << commandList();
            return kDelivered;
        case ParsedArguments::Action::ListUnits:
            return listUnits(parsed.options, out, err);
        case ParsedArguments::Action::ListPorts:
            return listPorts(out, err);
        case ParsedArguments::Action::Run:
            break;
    }
    return runCommand(parsed.options, out, err);
}

}  // namespace halvanecmd
