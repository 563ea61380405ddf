#include "sim/Loop.h"

#include <algorithm>
#include <stdexcept>

#include "sim/FrameParser.h"

namespace sim {

LoopConfig LoopConfig::defaults() {
    LoopConfig config;
    config.devices.push_back(DeviceConfig::pressureTransmitter(7));
    return config;
}

std::string validate(const LoopSettings& s) {
    if (s.turnaroundMs < 0 || s.turnaroundMs > 10000) return "turnaround must be 0..10000 ms";
    if (!(s.faults.bitErrorRate >= 0 && s.faults.bitErrorRate <= 1))
        return "bit error rate must be 0..1";
    if (s.faults.garbageBytes < 0 || s.faults.garbageBytes > 255)
        return "garbage must be 0..255 bytes";
    if (s.otherMaster.periodMs < 0) return "other master period must not be negative";
    if (s.otherMaster.pollingAddress < 0 || s.otherMaster.pollingAddress > 63)
        return "other master polling address must be 0..63";
    return {};
}

Loop::Loop(const LoopConfig& config) : m_settings(config.settings) {
    if (std::string problem = validate(m_settings); !problem.empty())
        throw std::invalid_argument(problem);
    m_random.reseed(m_settings.faults.seed);
    for (const DeviceConfig& device : config.devices)
        addDevice(device);
}

Device& Loop::addDevice(DeviceConfig config) {
    Slot candidate(std::move(config));
    for (Slot& slot : m_slots)
        if (slot.device.longAddress() == candidate.device.longAddress())
            throw std::invalid_argument("two devices with the same long address");
    Slot& slot = m_slots.emplace_back(std::move(candidate));
    if (slot.device.burstEnabled()) slot.nextBurstMs = slot.device.settings().burst.periodMs;
    return slot.device;
}

Device* Loop::deviceAt(int pollingAddress) {
    for (Slot& slot : m_slots)
        if (slot.device.pollingAddress() == pollingAddress) return &slot.device;
    return nullptr;
}

void Loop::reseed(std::uint64_t seed) {
    m_settings.faults.seed = seed;
    m_random.reseed(seed);
}

bool Loop::silent(const Slot& slot) const {
    const auto& addresses = m_settings.faults.silentAddresses;
    return slot.device.settings().faults.silent ||
           std::find(addresses.begin(), addresses.end(), slot.device.pollingAddress()) !=
               addresses.end();
}

void Loop::applyLineFaults(Bytes& bytes) {
    const LineFaults& faults = m_settings.faults;
    if (faults.garbageBytes > 0) {
        Bytes garbage(static_cast<std::size_t>(faults.garbageBytes));
        for (std::uint8_t& b : garbage)
            b = m_random.byte();
        bytes.insert(bytes.begin(), garbage.begin(), garbage.end());
    }
    if (faults.bitErrorRate > 0) {
        for (std::uint8_t& b : bytes)
            for (int bit = 0; bit < 8; ++bit)
                if (m_random.unit() < faults.bitErrorRate)
                    b ^= static_cast<std::uint8_t>(1u << bit);
    }
}

std::vector<Transmission> Loop::handleRequest(std::span<const std::uint8_t> frame,
                                              std::int64_t completeMs) {
    FrameParser parser;
    parser.feed(frame);
    const auto parsed = parser.next();
    if (!parsed || !parsed->checkOk || parsed->frame.kind != FrameKind::Request) return {};
    // A device cannot hear a request while it is transmitting itself.
    if (completeMs - lineTimeMs(frame.size()) < m_lineBusyUntil) return {};
    return answer(parsed->frame, completeMs);
}

std::vector<Transmission> Loop::answer(const Frame& request, std::int64_t completeMs) {
    std::vector<Bytes> replies;
    int lateMs = 0;
    for (Slot& slot : m_slots) {
        Device& device = slot.device;
        const Addressing addressing = device.addressing(request);
        if (addressing == Addressing::None || silent(slot)) continue;
        DeviceFaults& faults = device.faults();
        const Request r{request.command, request.data, request.master(), completeMs,
                        addressing == Addressing::Broadcast};
        auto executed = device.execute(r);
        if (!executed) continue;
        const Response& response = *executed;
        Frame reply;
        reply.kind = FrameKind::Reply;
        reply.longAddress = request.longAddress;
        reply.address =
            request.longAddress
                ? device.longAddress()
                : std::array<std::uint8_t, 5>{static_cast<std::uint8_t>(device.pollingAddress())};
        reply.address[0] |= static_cast<std::uint8_t>((request.address[0] & kMasterBit) |
                                                      (device.burstEnabled() ? kBurstBit : 0));
        reply.command = request.command;
        reply.data.push_back(response.code);
        reply.data.push_back(response.status);
        reply.data.insert(reply.data.end(), response.data.begin(), response.data.end());
        reply.preambles = device.settings().responsePreambles;
        Bytes bytes = encodeFrame(reply);
        if (faults.badCheckCount > 0) {
            --faults.badCheckCount;
            bytes.back() ^= 0xFF;
        }
        lateMs = std::max(lateMs, faults.lateMs);
        replies.push_back(std::move(bytes));
    }
    if (replies.empty()) return {};

    // Devices answering at once collide: the line carries the OR of their signals, and a
    // master never hears a good frame in it.
    Bytes line = std::move(replies.front());
    if (replies.size() > 1) {
        for (std::size_t i = 1; i < replies.size(); ++i) {
            if (replies[i].size() > line.size()) line.resize(replies[i].size(), 0xFF);
            for (std::size_t k = 0; k < replies[i].size(); ++k)
                line[k] |= replies[i][k];
        }
        const auto delimiter =
            std::find_if(line.begin(), line.end(), [](auto b) { return b != 0xFF; });
        if (checkByte(std::span(delimiter, line.end())) == 0) line.back() ^= 0xFF;
    }
    applyLineFaults(line);
    Transmission reply{completeMs + m_settings.turnaroundMs + lateMs, std::move(line),
                       Source::Reply};
    m_lineBusyUntil = reply.endMs();
    syncBursts(m_lineBusyUntil);
    return {std::move(reply)};
}

void Loop::syncBursts(std::int64_t fromMs) {
    for (Slot& slot : m_slots) {
        if (!slot.device.burstEnabled())
            slot.nextBurstMs.reset();
        else if (!slot.nextBurstMs)
            slot.nextBurstMs = fromMs + slot.device.settings().burst.periodMs;
    }
}

Loop::Slot* Loop::nextBurst() {
    Slot* earliest = nullptr;
    for (Slot& slot : m_slots)
        if (slot.nextBurstMs && !silent(slot) &&
            (!earliest || *slot.nextBurstMs < *earliest->nextBurstMs))
            earliest = &slot;
    return earliest;
}

Transmission Loop::burstFrame(Slot& slot, std::int64_t startMs) {
    Device& device = slot.device;
    const Master master = slot.burstToPrimary ? Master::Primary : Master::Secondary;
    slot.burstToPrimary = !slot.burstToPrimary;
    const Response response = device.burstResponse(master, startMs);
    Frame frame;
    frame.kind = FrameKind::Burst;
    frame.address = device.longAddress();
    frame.address[0] |=
        static_cast<std::uint8_t>(kBurstBit | (master == Master::Primary ? kMasterBit : 0));
    frame.command = device.settings().burst.command;
    frame.data = {response.code, response.status};
    frame.data.insert(frame.data.end(), response.data.begin(), response.data.end());
    frame.preambles = device.settings().responsePreambles;
    Bytes bytes = encodeFrame(frame);
    if (device.faults().badCheckCount > 0) {
        --device.faults().badCheckCount;
        bytes.back() ^= 0xFF;
    }
    applyLineFaults(bytes);
    return {startMs, std::move(bytes), Source::Burst};
}

std::vector<Transmission> Loop::otherMasterTraffic(std::int64_t startMs) {
    const OtherMaster& other = m_settings.otherMaster;
    Frame request;
    request.kind = FrameKind::Request;
    if (Device* target = deviceAt(other.pollingAddress)) {
        request.address = target->longAddress();
        request.command = other.command;
    } else {
        // Nobody there: the other master looks for a device with command 0.
        request.longAddress = false;
        request.address = {static_cast<std::uint8_t>(other.pollingAddress)};
        request.command = 0;
    }
    request.address[0] |= other.role == Master::Primary ? kMasterBit : 0;
    Transmission sent{startMs, encodeFrame(request), Source::OtherMaster};
    m_lineBusyUntil = sent.endMs();
    std::vector<Transmission> traffic{sent};
    for (Transmission& reply : answer(request, sent.endMs()))
        traffic.push_back(std::move(reply));
    return traffic;
}

std::optional<std::int64_t> Loop::nextDueMs() const {
    std::optional<std::int64_t> next;
    if (m_settings.otherMaster.periodMs > 0)
        next = m_nextOtherMs.value_or(m_settings.otherMaster.periodMs);
    for (const Slot& slot : m_slots) {
        if (!slot.nextBurstMs || silent(slot)) continue;
        if (!next || *slot.nextBurstMs < *next) next = slot.nextBurstMs;
    }
    if (next) next = std::max(*next, m_lineBusyUntil);
    return next;
}

std::vector<Transmission> Loop::due(std::int64_t nowMs) {
    std::vector<Transmission> out;
    const int otherPeriod = m_settings.otherMaster.periodMs;
    if (otherPeriod <= 0)
        m_nextOtherMs.reset();
    else if (!m_nextOtherMs)
        m_nextOtherMs = otherPeriod;
    syncBursts(std::max<std::int64_t>(m_lineBusyUntil, 0));

    while (out.size() < kMaxDuePerCall) {
        Slot* burst = nextBurst();
        const bool otherFirst = m_nextOtherMs && (!burst || *m_nextOtherMs <= *burst->nextBurstMs);
        if (!burst && !otherFirst) break;
        const std::int64_t dueMs = otherFirst ? *m_nextOtherMs : *burst->nextBurstMs;
        const std::int64_t startMs = std::max(dueMs, m_lineBusyUntil);
        if (startMs > nowMs) break;
        // A period missed while the line was busy is not caught up: the next one counts from
        // the frame actually sent.
        const int period = otherFirst ? otherPeriod : burst->device.settings().burst.periodMs;
        const std::int64_t nextMs = dueMs + period > startMs ? dueMs + period : startMs + period;
        if (otherFirst) {
            m_nextOtherMs = nextMs;
            for (Transmission& t : otherMasterTraffic(startMs))
                out.push_back(std::move(t));
        } else {
            burst->nextBurstMs = nextMs;
            Transmission frame = burstFrame(*burst, startMs);
            m_lineBusyUntil = frame.endMs();
            out.push_back(std::move(frame));
        }
    }
    return out;
}

}  // namespace sim
