#include "tools/halvane-cmd/Arguments.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "platform/channel/ChannelProtocol.h"

namespace halvanecmd {

namespace {

constexpr double kLongestTimeoutSeconds = 24 * 60 * 60;
constexpr int kMostRepeats = 1000000;

std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::optional<int> decimalNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<std::chrono::milliseconds> seconds(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value) || value <= 0 ||
        value > kLongestTimeoutSeconds)
        return std::nullopt;
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(value * 1000)));
}

std::optional<std::string> setText(const std::string& what) {
    const std::string key = lowerAscii(what);
    if (key == "primary") return "SET PRIMARY";
    if (key == "secondary") return "SET SECONDARY";
    if (key == "rq10" || key == "rq-10") return "SET RQ-10";
    if (key == "rq20" || key == "rq-20") return "SET RQ-20";
    return std::nullopt;
}

// The problem with one argument of a command line, if any: each argument becomes one line, and
// the driver splits its command lines at ";;" before it looks at line ends.
std::optional<std::string> argumentProblem(const std::string& arg, std::size_t position) {
    const std::string which = "argument " + std::to_string(position) + " (\"" + arg + "\")";
    if (arg.find_first_of("\r\n") != std::string::npos)
        return which +
               " contains a line end; each argument is one line of the command line (--line "
               "sends a text as it is)";
    if (arg.find(";;") != std::string::npos)
        return which +
               " contains \";;\", which the driver reads as a separator between arguments; "
               "it cannot be sent as one argument";
    return std::nullopt;
}

ParsedArguments usage(std::string problem) {
    ParsedArguments parsed;
    parsed.action = ParsedArguments::Action::Usage;
    parsed.problem = std::move(problem);
    return parsed;
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> positional;
    std::vector<std::string> actions;  // the options that name what to execute, as given
    std::optional<std::string> actionText;
    bool terminate = false;
    bool optionsEnded = false;
    std::vector<std::string> styles;    // --labels, --json
    std::vector<std::string> repeats;   // --repeat, --watch
    std::vector<std::string> listings;  // --list-commands, --list-units, --list-ports
    bool intervalGiven = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value" for the options that take a value.
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) return inlineValue;
            if (i + 1 < args.size()) return args[++i];
            return std::nullopt;
        };
        auto takesNoValue = [&] { return !inlineValue; };

        if (name == "-h" || name == "--help") {
            if (!takesNoValue()) return usage(name + " takes no value");
            ParsedArguments parsed;
            parsed.action = ParsedArguments::Action::Help;
            return parsed;
        }
        if (name == "--version") {
            if (!takesNoValue()) return usage(name + " takes no value");
            ParsedArguments parsed;
            parsed.action = ParsedArguments::Action::Version;
            return parsed;
        }
        if (name == "--status" || name == "--terminate" || name == "--start" || name == "--poll" ||
            name == "--labels" || name == "--json" || name == "--watch" || name == "--no-check" ||
            name == "--list-commands" || name == "--list-units" || name == "--list-ports") {
            if (!takesNoValue()) return usage(name + " takes no value");
            if (name == "--labels" || name == "--json") {
                styles.push_back(name);
                options.style = name == "--json" ? OutputStyle::Json : OutputStyle::Labels;
            } else if (name == "--watch") {
                repeats.push_back(name);
                options.repeating = true;
                options.repeat = 0;
            } else if (name == "--no-check") {
                options.check = false;
            } else if (name == "--list-commands" || name == "--list-units" ||
                       name == "--list-ports") {
                listings.push_back(name);
            } else if (name == "--start") {
                options.start = true;
            } else if (name == "--poll") {
                options.poll = true;
            } else {
                actions.push_back(name);
                terminate = name == "--terminate";
                actionText = terminate ? "terminate" : "STATUS";
            }
            continue;
        }
        const bool known = name == "--line" || name == "--set" || name == "--precision" ||
                           name == "--port" || name == "--timeout" || name == "--driver" ||
                           name == "--driver-arg" || name == "--repeat" || name == "--interval" ||
                           name == "--table";
        if (!known) return usage("unknown option " + name);
        std::optional<std::string> v = value();
        if (!v) return usage(name + " needs a value");

        if (name == "--line") {
            if (v->empty()) return usage("--line needs a text");
            actions.push_back(name);
            actionText = *v;
        } else if (name == "--set") {
            auto text = setText(*v);
            if (!text) return usage("--set takes primary, secondary, rq10 or rq20, not " + *v);
            actions.push_back(name);
            actionText = *text;
        } else if (name == "--precision") {
            if (*v != "6" && *v != "9") return usage("--precision takes 6 or 9, not " + *v);
            actions.push_back(name);
            actionText = "SET PRECISION " + *v;
        } else if (name == "--port") {
            auto number = decimalNumber(*v);
            if (!number || *number < 1 || *number > 20)
                return usage("--port takes a port number from 1 to 20 (COM1 ... COM20), not " + *v);
            actions.push_back(name);
            actionText = "SET COM" + std::to_string(*number);
        } else if (name == "--timeout") {
            auto limit = seconds(*v);
            if (!limit)
                return usage("--timeout takes a number of seconds above 0 (at most 86400), not " +
                             *v);
            options.timeout = *limit;
        } else if (name == "--repeat") {
            auto count = decimalNumber(*v);
            if (!count || *count < 1 || *count > kMostRepeats)
                return usage("--repeat takes a number of times from 1 to " +
                             std::to_string(kMostRepeats) + ", not " + *v);
            repeats.push_back(name);
            options.repeating = true;
            options.repeat = *count;
        } else if (name == "--interval") {
            auto interval = seconds(*v);
            if (!interval)
                return usage("--interval takes a number of seconds above 0 (at most 86400), not " +
                             *v);
            options.interval = *interval;
            intervalGiven = true;
        } else if (name == "--table") {
            if (v->empty()) return usage("--table needs a file");
            options.tableFile = *v;
        } else if (name == "--driver") {
            if (v->empty()) return usage("--driver needs a program path");
            options.driverProgram = *v;
            options.start = true;
        } else {  // --driver-arg
            options.driverArguments.push_back(*v);
            options.start = true;
        }
    }

    if (!positional.empty()) actions.push_back("a command line");
    if (!listings.empty()) {
        if (listings.size() > 1 || !actions.empty())
            return usage("give " + listings[0] + " alone, without " +
                         (listings.size() > 1 ? listings[1] : actions[0]));
        ParsedArguments parsed;
        if (listings[0] == "--list-units") {
            parsed.action = ParsedArguments::Action::ListUnits;
        } else if (listings[0] == "--list-ports") {
            parsed.action = ParsedArguments::Action::ListPorts;
        } else {
            parsed.action = ParsedArguments::Action::ListCommands;
        }
        parsed.options = std::move(options);
        return parsed;
    }
    if (styles.size() > 1) return usage("--labels and --json do not go together");
    if (repeats.size() > 1) return usage("--repeat and --watch do not go together");
    if (intervalGiven && !options.repeating) {
        // An interval alone repeats until Ctrl-C.
        options.repeating = true;
        options.repeat = 0;
    }
    if (actions.size() > 1) {
        std::string list;
        for (const std::string& a : actions)
            list += (list.empty() ? "" : ", ") + a;
        return usage("give one thing to execute, not several (" + list + ")");
    }
    if (actions.empty())
        return usage(
            "nothing to execute: give a command number and a polling address, --line, or a "
            "control option");
    if (terminate && options.start) return usage("--terminate and --start do not go together");
    if (terminate && options.repeating)
        return usage("--terminate cannot be repeated (" +
                     (repeats.empty() ? "--interval" : repeats[0]) + ")");

    if (!positional.empty()) {
        if (positional.size() < 2)
            return usage("a command line needs the command number and the polling address (" +
                         std::string("for example: halvane-cmd 3 0)"));
        std::string text;
        for (std::size_t k = 0; k < positional.size(); ++k) {
            if (auto problem = argumentProblem(positional[k], k + 1)) return usage(*problem);
            text += positional[k] + "\r\n";
        }
        actionText = text;
    }
    if (actionText->size() > platform::channel::kMaxPayload)
        return usage("the command line is longer than the limit of " +
                     std::to_string(platform::channel::kMaxPayload) + " bytes");

    ParsedArguments parsed;
    parsed.action = ParsedArguments::Action::Run;
    options.text = *actionText;
    parsed.options = std::move(options);
    return parsed;
}

std::string versionText() {
    return std::string("halvane-cmd ") + HALVANE_VERSION + "\n";
}

std::string helpText() {
    return R"(Usage: halvane-cmd [OPTIONS] COMMAND ADDRESS [ARGUMENT...]
       halvane-cmd [OPTIONS] --line TEXT
       halvane-cmd [OPTIONS] --status | --set WHAT | --precision N | --port N | --terminate
       halvane-cmd --list-commands | --list-units [--table FILE] | --list-ports

Executes one command in the running HART driver Halvane over its conversation channel, waits
for the reply and prints its lines, one per line.

A HART command line is the command number, the polling address (0 to 64) and the command's
arguments, each argument one line:
  halvane-cmd 0 0                     identify the device at polling address 0 (command 0)
  halvane-cmd 3 0                     read its dynamic variables and loop current (command 3)
  halvane-cmd 35 0 kPa 100 0          write its range values (command 35)
  halvane-cmd --line "3;;0"           execute one line as it is (arguments separated by ;;)
Before sending, the command line is checked as the driver checks it; what the driver would
refuse is not sent, and the reason is given ("did you mean kPa?").

Control commands (the reply is the driver's status text: port, an empty line, modem, master,
float digits):
  --status                            "STATUS"
  --set primary|secondary|rq10|rq20   "SET PRIMARY", "SET SECONDARY", "SET RQ-10", "SET RQ-20"
  --precision 6|9                     "SET PRECISION 6" or "SET PRECISION 9"
  --port N                            "SET COMn", N from 1 to 20
  --terminate                         "terminate": end the driver (also while it is busy);
                                      waits until it has closed the conversation

Output:
  --labels                "name: value" lines, a value with its unit ("PV: 101.668 kPa")
  --json                  one JSON object per reply, on one line (texts as UTF-8)
  --repeat N              execute the same text N times, one reply after the other, each
                          headed by its time
  --interval SECONDS      from one start to the next with --repeat or --watch (default 1);
                          alone it repeats until Ctrl-C
  --watch                 repeat until Ctrl-C

Listings (no driver needed):
  --list-commands         the commands the driver sends, their arguments and an example
  --list-units            the unit codes and names of the table file
  --list-ports            the serial ports of this machine: each port name with the device
                          it opens, what the device is, and its stable path (the one to pin
                          in [Ports])

Options:
  --start                 start the driver when none answers: the Halvane program beside
                          halvane-cmd, else Halvane on PATH; prints its process id on
                          standard error
  --driver PATH           the driver program to start (implies --start)
  --driver-arg ARG        one more argument for the started driver, for example
                          --driver-arg=--settings-dir --driver-arg=DIR (implies --start)
  --timeout SECONDS       how long to wait for the reply (default 60; a silent device takes
                          about 12 s to be reported)
  --poll                  request the reply every 25 ms instead of having it pushed
  --no-check              send the command line without checking it first
  --table FILE            the code table file for unit names and response texts (default:
                          the driver's TABEN.DDF beside halvane-cmd)
  -h, --help              this text
  --version               the version
  --                      the arguments after it are the command line, even if they begin
                          with "-"

The reply and the arguments are one-byte text, passed through unchanged (--json writes them as
UTF-8). Errors and notes go to standard error. Commands, arguments and reply lines:
docs/commands.md.

Exit codes:
  0  a reply was delivered and printed (for control commands the status text; for
     --terminate: the driver ended)
  1  wrong arguments of halvane-cmd
  2  the command line is refused: "Command Error!" (the reply is printed), by the driver or,
     without sending it, by the check before sending (the reason goes to standard error)
  3  the device did not answer: "Communication Error!" (the reply is printed); --port: the
     driver could not use the port or found no modem on it and now has no port
  4  the driver is busy: it did not take the command (another client's or its window's
     transaction was running; try again), or it gave no result within the timeout
  5  no driver: none answers and none was started (use --start), it could not be started,
     or it went away before it replied
  6  the device answered with an error response code (the reply is printed; a warning such
     as "Set to Nearest Possible Value" gives 0)
  130  Ctrl-C ended --repeat or --watch before the first reply; after it, the last reply's
     code
)";
}

}  // namespace halvanecmd
