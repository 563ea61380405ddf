#pragma once

// A current loop with simulated field devices on it, in simulated time. Hand it each complete
// request frame a master puts on the line, with the time in milliseconds at which its last byte
// arrived, and it answers with what the devices put on the line in return: reply bytes and the
// time their first byte starts, after the turnaround, with the faults that are switched on
// applied. Unsolicited traffic (burst frames, a second master's requests and the replies to
// them) is fetched with `due`; `nextDueMs` says when the next will be due.
//
// The loop tracks when the line is busy with what it sends itself: a request that starts while
// a device is still transmitting collides with it and is not answered, and unsolicited traffic
// waits until the line is free. Not thread-safe: one thread drives a loop.

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "sim/Device.h"
#include "sim/LineTiming.h"
#include "sim/Random.h"

namespace sim {

enum class Source : std::uint8_t { Reply, Burst, OtherMaster };

struct Transmission {
    std::int64_t startMs = 0;  // when the first byte goes on the line
    Bytes bytes;               // sent back to back at the line's character time
    Source source = Source::Reply;

    std::int64_t endMs() const { return startMs + lineTimeMs(bytes.size()); }
};

// Faults of the line as a whole (each device has its own in DeviceFaults).
struct LineFaults {
    double bitErrorRate = 0;           // chance of each data bit sent being inverted
    int garbageBytes = 0;              // random bytes sent ahead of every frame
    std::uint64_t seed = 1;            // makes bit errors and garbage repeat exactly
    std::vector<int> silentAddresses;  // polling addresses whose devices do not answer
};

// A second master that polls one device at a fixed period, so that its requests and the
// device's replies to it appear on the line.
struct OtherMaster {
    int periodMs = 0;  // 0: there is no other master
    Master role = Master::Secondary;
    std::uint8_t command = 3;
    int pollingAddress = 0;  // the device it polls
};

struct LoopSettings {
    int turnaroundMs = kDefaultTurnaroundMs;
    LineFaults faults;
    OtherMaster otherMaster;
};

struct LoopConfig {
    LoopSettings settings;
    std::vector<DeviceConfig> devices;

    // One HART 7 pressure transmitter at polling address 0.
    static LoopConfig defaults();
};

// An empty text when the loop settings can be used, else what is wrong with them.
std::string validate(const LoopSettings& settings);

class Loop {
  public:
    // Bursts and other traffic never fill more than this many transmissions into one `due` call.
    static constexpr std::size_t kMaxDuePerCall = 1000;

    Loop() = default;
    // Throws std::invalid_argument when a setting or device cannot be used.
    explicit Loop(const LoopConfig& config);

    // Adds a device; throws std::invalid_argument for an unusable configuration or a long
    // address another device of the loop already has. References stay valid as devices are added.
    Device& addDevice(DeviceConfig config);
    std::size_t deviceCount() const { return m_slots.size(); }
    Device& device(std::size_t index) { return m_slots.at(index).device; }
    Device* deviceAt(int pollingAddress);

    // Turnaround and faults may be changed at any time; they apply from the next frame on.
    LoopSettings& settings() { return m_settings; }
    // Starts the fault generator again from `seed`.
    void reseed(std::uint64_t seed);

    // Answers one request frame (preambles included) whose last byte arrived at `completeMs`.
    // Empty when nobody answers: a frame that is no request, fails its check byte, addresses
    // no device, collides with the loop's own transmission, or goes to a silent device.
    std::vector<Transmission> handleRequest(std::span<const std::uint8_t> frame,
                                            std::int64_t completeMs);

    // Unsolicited traffic that starts at or before `nowMs`, in line order.
    std::vector<Transmission> due(std::int64_t nowMs);
    // When `due` will next have something, or nothing when no burst or other master is active.
    std::optional<std::int64_t> nextDueMs() const;
    // The end of the loop's last transmission.
    std::int64_t lineFreeMs() const { return m_lineBusyUntil; }

  private:
    struct Slot {
        explicit Slot(DeviceConfig config) : device(std::move(config)) {}
        Device device;
        std::optional<std::int64_t> nextBurstMs;
        bool burstToPrimary = true;  // burst frames alternate between the two masters
    };

    bool silent(const Slot& slot) const;
    std::vector<Transmission> answer(const Frame& request, std::int64_t completeMs);
    void applyLineFaults(Bytes& bytes);
    void syncBursts(std::int64_t fromMs);
    Slot* nextBurst();
    Transmission burstFrame(Slot& slot, std::int64_t startMs);
    std::vector<Transmission> otherMasterTraffic(std::int64_t startMs);

    LoopSettings m_settings;
    std::deque<Slot> m_slots;
    Random m_random{1};
    std::int64_t m_lineBusyUntil = INT64_MIN;
    std::optional<std::int64_t> m_nextOtherMs;
};

}  // namespace sim
