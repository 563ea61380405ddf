#include "sim/program/Options.h"

#include <string_view>

#include "sim/ConfigText.h"
#include "sim/program/HartIpServer.h"

namespace sim::program {

namespace {

// Options that set one configuration key to their argument.
struct Mapping {
    std::string_view option;
    bool loop;
    std::string_view key;
};

constexpr Mapping kMappings[] = {
    {"--address", false, "address"},
    {"--revision", false, "revision"},
    {"--tag", false, "tag"},
    {"--busy", false, "busy"},
    {"--late", false, "late"},
    {"--bad-check", false, "bad-check"},
    {"--burst", false, "burst-command"},
    {"--burst-period", false, "burst-period"},
    {"--turnaround", true, "turnaround"},
    {"--silent", true, "silent-address"},
    {"--bit-errors", true, "bit-error-rate"},
    {"--seed", true, "seed"},
    {"--garbage", true, "garbage"},
    {"--other-master", true, "other-master"},
};

}  // namespace

Options parseOptions(std::span<const std::string> args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::string value;
        bool hasValue = false;
        if (const std::size_t eq = option.find('=');
            option.starts_with("--") && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
            hasValue = true;
        }
        auto argument = [&]() -> std::string {
            if (hasValue) return value;
            if (i + 1 >= args.size()) throw UsageError(option + " needs a value");
            return args[++i];
        };
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--config") {
            options.configPath = argument();
        } else if (option == "--link") {
            options.linkPath = argument();
        } else if (option == "--port") {
            options.portPath = argument();
        } else if (option == "--hart-ip") {
            options.hartIp = argument();
            try {
                parseHartIpEndpoint(options.hartIp);
            } catch (const std::invalid_argument& e) {
                throw UsageError(e.what());
            }
        } else if (option == "--close-session-after") {
            const std::string text = argument();
            const bool digits = !text.empty() && text.size() <= 6 &&
                                text.find_first_not_of("0123456789") == std::string::npos;
            if (!digits || std::stoi(text) < 1)
                throw UsageError("--close-session-after needs a number of replies, 1 or more");
            options.closeSessionAfter = std::stoi(text);
        } else if (option == "--rts") {
            options.keyRts = true;
        } else if (option == "--trace") {
            options.trace = true;
        } else if (option == "--set") {
            const std::string setting = argument();
            const std::size_t eq = setting.find('=');
            if (eq == std::string::npos) throw UsageError("--set needs KEY=VALUE");
            std::string key = setting.substr(0, eq);
            const bool loop = key.starts_with("loop.");
            if (loop) key.erase(0, 5);
            options.settings.push_back({loop, key, setting.substr(eq + 1)});
        } else {
            bool known = false;
            for (const Mapping& m : kMappings) {
                if (option != m.option) continue;
                known = true;
                options.settings.push_back({m.loop, std::string(m.key), argument()});
                if (option == "--burst") options.settings.push_back({false, "burst", "on"});
            }
            if (!known) throw UsageError("unknown option " + option + " (see --help)");
        }
    }
    if (!options.hartIp.empty() && !(options.portPath.empty() && options.linkPath.empty()))
        throw UsageError(
            "--hart-ip serves the loop over the network; it takes no --port or --link");
    if (options.closeSessionAfter > 0 && options.hartIp.empty())
        throw UsageError("--close-session-after needs --hart-ip");
    if (options.keyRts && options.portPath.empty())
        throw UsageError("--rts needs --port: a pseudo-terminal has no RTS line");
    return options;
}

LoopConfig buildLoopConfig(const Options& options) {
    LoopConfig config =
        options.configPath.empty() ? LoopConfig::defaults() : readLoopConfig(options.configPath);
    for (const Options::Setting& s : options.settings) {
        try {
            if (s.loop) {
                applyLoopSetting(config.settings, s.key, s.value);
                continue;
            }
            if (s.key == "address" && config.devices.size() != 1)
                throw UsageError(
                    "--address needs a loop of one device; set addresses in the "
                    "configuration file");
            for (DeviceConfig& device : config.devices)
                applyDeviceSetting(device, s.key, s.value);
        } catch (const ConfigError& e) {
            throw UsageError(std::string("option: ") + e.what());
        }
    }
    if (std::string problem = validate(config.settings); !problem.empty())
        throw UsageError(problem);
    for (const DeviceConfig& device : config.devices)
        if (std::string problem = validate(device); !problem.empty())
            throw UsageError("device at polling address " + std::to_string(device.pollingAddress) +
                             ": " + problem);
    return config;
}

std::string usageText() {
    return R"(Usage: hartsim [options]

Simulates HART field devices on a serial line or over HART-IP. Without options: one HART 7
pressure transmitter at polling address 0 on a new pseudo-terminal. The first line written to
standard output is what the HART master should open: the device path, or with --hart-ip the
gateway's URL. Runs until interrupted (Ctrl+C, SIGTERM).

Where to run:
  --link PATH           also make PATH a symbolic link to the pseudo-terminal
  --port DEVICE         use a serial device (1200 baud, 8 data bits, odd parity, 1 stop bit)
                        instead of a pseudo-terminal, e.g. /dev/ttyUSB1
  --rts                 with --port: raise RTS while transmitting (for a HART modem)
  --hart-ip [ADDR:]PORT act as a HART-IP gateway to the loop on TCP and UDP PORT (5094 is
                        the usual one; 0 picks a free port) at the numeric address ADDR
                        (default 127.0.0.1, the loopback; [::1] for IPv6)

Devices and line:
  --config FILE         loop and device settings (see docs/hartsim.md)
  --address N           polling address of the device (a loop of one device), 0..63
  --revision 5|6|7      HART revision of every device
  --tag TEXT            tag of every device (8 characters at most)
  --turnaround MS       time from the end of a request to the reply (default 20)
  --burst CMD           every device in burst mode, sending the reply to CMD (1, 2, 3,
                        33, 48 or 110) as its burst frame
  --burst-period MS     time between burst frames (default 1000)
  --other-master MS     a second master polls the device at address 0 with command 3
                        every MS milliseconds
  --set KEY=VALUE       any device setting of the configuration file, for every device;
                        loop.KEY=VALUE for a loop setting

Faults:
  --silent ADDR         the device at polling address ADDR never answers (repeatable)
  --busy N              answer the next N requests with response code 32 (busy)
  --late MS             delay every reply by MS more milliseconds
  --bad-check N         send the next N replies with a wrong check byte
  --bit-errors RATE     invert each bit sent with this probability (e.g. 0.001)
  --seed N              seed for bit errors and garbage (default 1)
  --garbage N           send N random bytes ahead of every frame
  --close-session-after N
                        with --hart-ip: close each session after N replies

Other:
  --trace               write every frame received and sent to standard error
  --help                this text
  --version             the program's version
)";
}

}  // namespace sim::program
