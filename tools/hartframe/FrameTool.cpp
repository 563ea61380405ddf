#include "tools/hartframe/FrameTool.h"

#include <unistd.h>

#include <filesystem>
#include <optional>

#include "driver/command/CommandLine.h"
#include "hart/CodeTables.h"
#include "hart/FrameReceiver.h"
#include "hart/ReplyDecoder.h"
#include "hart/ReplyText.h"
#include "hart/RequestBuilder.h"
#include "platform/folders/DataFiles.h"
#include "platform/text/IntegerText.h"
#include "tools/hartframe/HexText.h"

namespace hartframe {

namespace {

constexpr const char* kUsageText = R"(Usage:
  hartframe request [OPTIONS] CMD [ADDR] [ARG...]
  hartframe request [OPTIONS] --line "CMD;;ADDR;;ARG..."
  hartframe reply [OPTIONS] HEX...

request  builds the request frame the driver sends for a command line and prints it as hex.
         CMD is the command number, ADDR the polling address (0..64, default 0), ARG the
         argument texts in the order of the command (for command 0 the address is also its
         argument). --line takes one command line exactly as the driver parses it.
         A refused command or argument prints "Command Error!" and exits with 5.
    --secondary            act as secondary master (address byte without 0x80)
    --long-address HEX5    the device's long address, e.g. 26:05:01:02:03 (default all 0,
                           as for a device the driver has not identified yet)
    --preambles N          preambles the device asks for (5..20; commands 0 and 11 use 20)

reply    checks a reply frame (with or without preambles) and prints the reply lines exactly as
         the driver's item carries them: command, polling address, response text, status text,
         then the result slots.
    --command CMD          the command the frame must answer (default: the frame's own)
    --format TEXT          the generic command's format text, e.g. "R128B|F" (command 255)
    --address N            the polling address shown on line 2 (default 0)
    --request HEX          the request frame, to check that a write reply echoes its data
    --precision 6|9        significant digits of floats (default 6)

Options of both:
    --table FILE           code table file (default: TABEN.DDF beside the program, else
                           installed in ../share/halvane)
    --decimal-separator C  decimal separator of number texts (default '.')
    --date-format FMT      short date format, d/dd M/MM yy/yyyy (default M/d/yyyy)
    -h, --help             this text

Exit codes: 0 done; 1 usage; 2 bad hex; 3 incomplete frame; 4 bad frame (check byte, byte
count 0 or above 40, not a reply); 5 Command Error!; 6 a reply the driver would not deliver
(busy or a refused response code; the lines are printed); 7 the reply does not echo the
request; 8 the reply answers another command.
)";

struct Options {
    std::string mode;
    std::vector<std::string> positional;
    std::optional<std::string> line;
    bool secondary = false;
    std::optional<std::string> longAddress;
    std::optional<int> preambles;
    std::optional<int> command;
    std::optional<std::string> format;
    int address = 0;
    std::optional<std::string> request;
    int precision = 6;
    std::optional<std::filesystem::path> table;
    platform::UserLocale locale;
};

std::filesystem::path defaultTableFile() {
    return platform::dataFilePath(platform::programFolder(), "TABEN.DDF");
}

// Parses the options; returns an error text when they do not make sense.
std::optional<std::string> parseOptions(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            (void)name;
            return args[++i];
        };
        auto number = [&](const char* name, int low, int high) -> std::optional<int> {
            auto text = value(name);
            if (!text) return std::nullopt;
            auto n = platform::parseInteger(*text);
            if (!n || *n < low || *n > high) return std::nullopt;
            return *n;
        };
        if (a == "--secondary") {
            o.secondary = true;
        } else if (a == "--line") {
            if (!(o.line = value("--line"))) return "--line needs a command line";
        } else if (a == "--long-address") {
            if (!(o.longAddress = value("--long-address")))
                return "--long-address needs 5 hex bytes";
        } else if (a == "--preambles") {
            if (!(o.preambles = number("--preambles", 0, 255))) return "--preambles needs 0..255";
        } else if (a == "--command") {
            if (!(o.command = number("--command", 0, 255))) return "--command needs 0..255";
        } else if (a == "--format") {
            if (!(o.format = value("--format"))) return "--format needs a format text";
        } else if (a == "--address") {
            auto n = number("--address", 0, 255);
            if (!n) return "--address needs 0..255";
            o.address = *n;
        } else if (a == "--request") {
            if (!(o.request = value("--request")))
                return "--request needs the request frame in hex";
        } else if (a == "--precision") {
            auto n = number("--precision", 6, 9);
            if (!n || (*n != 6 && *n != 9)) return "--precision takes 6 or 9";
            o.precision = *n;
        } else if (a == "--table") {
            auto path = value("--table");
            if (!path) return "--table needs a file";
            o.table = *path;
        } else if (a == "--decimal-separator") {
            auto sep = value("--decimal-separator");
            if (!sep || sep->size() != 1) return "--decimal-separator takes one character";
            o.locale.decimalSeparator = (*sep)[0];
        } else if (a == "--date-format") {
            auto fmt = value("--date-format");
            if (!fmt) return "--date-format needs a format";
            o.locale.shortDateFormat = *fmt;
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return "unknown option " + a;
        } else if (o.mode.empty()) {
            o.mode = a;
        } else {
            o.positional.push_back(a);
        }
    }
    return std::nullopt;
}

int runRequest(const Options& o, std::ostream& out, std::ostream& err) {
    if (o.line && !o.positional.empty()) {
        err << "hartframe: give either --line or CMD [ADDR] [ARG...], not both\n";
        return kUsage;
    }
    if (!o.line && o.positional.empty()) {
        err << "hartframe: request needs a command number (see --help)\n";
        return kUsage;
    }
    std::string commandLine;
    if (o.line) {
        commandLine = *o.line;
    } else {
        for (std::size_t i = 0; i < o.positional.size(); ++i) {
            if (i) commandLine += ";;";
            commandLine += o.positional[i];
        }
    }
    hart::HartMessage msg;
    msg.mt = o.secondary ? hart::mtSecondary : hart::mtPrimary;
    if (o.longAddress) {
        auto bytes = parseHex(*o.longAddress);
        if (!bytes || bytes->size() != 5) {
            err << "hartframe: --long-address needs exactly 5 hex bytes, e.g. 26:05:01:02:03\n";
            return kBadHex;
        }
        msg.Id.MfrId = (*bytes)[0];
        msg.Id.MfrDeviceType = (*bytes)[1];
        msg.Id.DeviceIdNumberHi = (*bytes)[2];
        msg.Id.DeviceIdNumberMid = (*bytes)[3];
        msg.Id.DeviceIdNumberLo = (*bytes)[4];
    }
    if (o.preambles) msg.Id.NmbrPreamb = static_cast<std::uint8_t>(*o.preambles);

    int address = 0;
    hart::RequestBuilder builder;
    builder.RequestError = !driver::ParseCommandLine(commandLine, msg, address);
    hart::CodeTables tables(o.table.value_or(defaultTableFile()));
    builder.BuildRequest(msg, hart::CoreContext{tables, o.locale, o.precision});
    if (builder.RequestError) {
        out << hart::kCommandError << "\n";
        return kCommandError;
    }
    out << formatHex(builder.frame()) << "\n";
    return kOk;
}

// The reply template a generic request leaves: kind letter, command digits, reply format.
std::string controlStrFor(const std::string& format) {
    std::string control = format.substr(0, 32);
    const std::size_t bar = control.find('|');
    if (!control.empty() && (control[0] == 'R' || control[0] == 'W') && bar != std::string::npos &&
        bar >= 4) {
        control.erase(4, bar - 3);
    }
    return control;
}

int runReply(const Options& o, std::ostream& out, std::ostream& err) {
    std::string hex;
    for (const auto& p : o.positional)
        hex += p + " ";
    auto bytes = parseHex(hex);
    if (!bytes || bytes->empty()) {
        err << "hartframe: the reply must be hex bytes, e.g. FF FF 86 A6 05 01 02 03 03 ...\n";
        return kBadHex;
    }
    hart::HartMessage request;
    if (o.request) {
        auto requestBytes = parseHex(*o.request);
        if (!requestBytes) {
            err << "hartframe: --request must be hex bytes\n";
            return kBadHex;
        }
        // The request's data, as the driver keeps it for the echo check.
        hart::FrameReceiver parser;
        std::vector<std::uint8_t> withPreamble = {0xFF};
        withPreamble.insert(withPreamble.end(), requestBytes->begin(), requestBytes->end());
        auto frame = parser.ReceiveEvent(withPreamble, request);
        if (!frame || !frame->checkByteOk) {
            err << "hartframe: --request is not a complete request frame with a good check byte\n";
            return kBadFrame;
        }
        request.Command = frame->command;
        request.Data = frame->data;
    }
    // Preambles are optional in the input; the receiver needs one before the delimiter.
    std::vector<std::uint8_t> stream = {0xFF};
    stream.insert(stream.end(), bytes->begin(), bytes->end());
    hart::FrameReceiver receiver;
    request.Command =
        o.request ? request.Command : static_cast<std::uint8_t>(o.command.value_or(0));
    auto frame = receiver.ReceiveEvent(stream, request);
    if (!frame) {
        if (receiver.progress() == hart::mpPreamble) {
            err << "hartframe: no frame: a byte count of 0 or above 40, or no delimiter where one "
                   "is due\n";
            return kBadFrame;
        }
        err << "hartframe: the frame is incomplete (it ends before its check byte)\n";
        return kIncompleteFrame;
    }
    if (!frame->checkByteOk) {
        err << "hartframe: bad check byte: the frame is corrupted\n";
        return kBadFrame;
    }
    if (frame->md == hart::mdToSlave) {
        err << "hartframe: this is a request frame (delimiter 0x"
            << formatHex({&frame->delimiter, 1}) << "), not a reply\n";
        return kBadFrame;
    }
    if (o.command && *o.command != frame->command) {
        err << "hartframe: the frame answers command " << int(frame->command) << ", not "
            << *o.command << "\n";
        return kWrongCommand;
    }
    if (o.request && !frame->echoOk) {
        err << "hartframe: the reply does not echo the data of the request; the driver ignores "
               "it\n";
        return kEchoMismatch;
    }

    hart::HartMessage msg;
    msg.Command = frame->command;
    msg.Data = frame->data;
    if (o.format) msg.ControlStr = controlStrFor(*o.format);
    hart::CodeTables tables(o.table.value_or(defaultTableFile()));
    hart::DecodeReply(msg, hart::CoreContext{tables, o.locale, o.precision});
    if (frame->md == hart::mdBurstToPrimary || frame->md == hart::mdBurstToSecondary) {
        msg.sStatus += " ";
        msg.sStatus += hart::kInBurstMode;
    }
    for (const auto& line : hart::DeliveredReplyLines(msg, o.address, 1))
        out << line << "\n";
    if (!msg.ReceivedDataValid) {
        err << "hartframe: response code " << int(msg.Error)
            << ": the driver does not deliver this reply, it tries again\n";
        return kNotDelivered;
    }
    return kOk;
}

}  // namespace

int runHartframe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const auto& a : args) {
        if (a == "-h" || a == "--help") {
            out << kUsageText;
            return kOk;
        }
    }
    Options o;
    if (auto problem = parseOptions(args, o)) {
        err << "hartframe: " << *problem << " (see --help)\n";
        return kUsage;
    }
    if (o.mode == "request") return runRequest(o, out, err);
    if (o.mode == "reply") return runReply(o, out, err);
    err << (o.mode.empty() ? std::string("hartframe: say request or reply")
                           : "hartframe: unknown mode " + o.mode)
        << " (see --help)\n";
    return kUsage;
}

}  // namespace hartframe
