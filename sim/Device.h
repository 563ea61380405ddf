#pragma once

// One simulated HART field device: its identity, its process (device variables that move with
// time), its analog output and the universal and common-practice commands, answered the way a
// real transmitter answers them. Time is passed in as milliseconds since the loop started, so
// the same requests at the same times always give the same replies.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sim/DeviceConfig.h"
#include "sim/Frame.h"
#include "sim/Response.h"

namespace sim {

// How a request frame reaches a device.
enum class Addressing : std::uint8_t { None, Direct, Broadcast };

struct Request {
    std::uint8_t command = 0;
    std::span<const std::uint8_t> data;
    Master master = Master::Primary;
    std::int64_t nowMs = 0;
    bool broadcast = false;
};

// The device-specific command: reads or sets the simulated process (hold the PV at a value).
inline constexpr std::uint8_t kSimulationCommand = 128;

class Device {
  public:
    // Throws std::invalid_argument with the reason when `config` cannot be used.
    explicit Device(DeviceConfig config);

    const DeviceConfig& settings() const { return m_settings; }
    DeviceFaults& faults() { return m_settings.faults; }

    int pollingAddress() const { return m_settings.pollingAddress; }
    // The long address: first byte without master and burst bits.
    std::array<std::uint8_t, 5> longAddress() const;
    Addressing addressing(const Frame& request) const;

    // Executes one command addressed to this device. Nothing when the device stays silent about
    // it: commands 11 and 21 whose tag is not this device's, or a broadcast it cannot take.
    // While the busy fault counts down, the device answers response code 32 and does nothing.
    std::optional<Response> execute(const Request& request);

    // The device status byte as a reply to `master` shows it now; reporting it clears the cold
    // start mark for that master.
    std::uint8_t takeStatus(Master master, std::int64_t nowMs);

    bool burstEnabled() const { return m_settings.burst.enabled; }
    // The burst frame's payload at this moment (the reply to the burst command).
    Response burstResponse(Master master, std::int64_t nowMs);

    // The process, as the commands report it.
    double variableValue(std::size_t code, std::int64_t nowMs) const;  // in the variable's unit
    double loopCurrent(std::int64_t nowMs) const;                      // mA
    double percentOfRange(std::int64_t nowMs) const;
    bool currentFixed() const;
    std::uint16_t configChangeCounter() const { return m_configCounter; }

  private:
    struct VariableState {
        double zeroOffset = 0;            // base unit, subtracted from the measured value
        std::optional<double> heldValue;  // base unit; the process is held there
    };
    using Handler = Response (Device::*)(const Request&);
    static Handler handlerFor(std::uint8_t command, int revision);

    // Process helpers.
    double baseValue(std::size_t code, std::int64_t nowMs) const;
    bool variableExists(std::uint8_t code) const { return code < m_settings.variables.size(); }
    std::size_t pvCode() const { return m_settings.dynamic[0]; }
    const VariableConfig& pv() const { return m_settings.variables[pvCode()]; }
    double unclampedCurrent(std::int64_t nowMs) const;
    bool saturated(std::int64_t nowMs) const;  // the output cannot follow the PV
    bool multidrop() const;
    void configChanged();
    void appendIdentity(Bytes& out) const;
    void appendVariable(Bytes& out, std::uint8_t code, std::int64_t nowMs) const;
    void appendDynamicVariables(Bytes& out, std::int64_t nowMs) const;
    Response applyRange(std::uint8_t unitCode, float upper, float lower);
    Response applyFixedCurrent(float level);
    Response applyDamping(double& target, float seconds);
    Response applyZero(std::size_t code, std::int64_t nowMs);

    // Identity and device management.
    Response readIdentity(const Request& r);
    Response writePollingAddress(const Request& r);
    Response resetConfigChanged(const Request& r);
    Response eepromControl(const Request& r);
    Response selfTest(const Request& r);
    Response deviceReset(const Request& r);
    Response additionalStatus(const Request& r);
    Response writeResponsePreambles(const Request& r);
    Response simulation(const Request& r);
    // Reads.
    Response readPrimaryVariable(const Request& r);
    Response readCurrentAndPercent(const Request& r);
    Response readDynamicVariables(const Request& r);
    Response readMessage(const Request& r);
    Response readTagDescriptorDate(const Request& r);
    Response readTransducerInfo(const Request& r);
    Response readDeviceInfo(const Request& r);
    Response readFinalAssembly(const Request& r);
    Response readDeviceVariables(const Request& r);
    Response readAssignments(const Request& r);
    Response readVariableInfo(const Request& r);
    Response readUnitTag(const Request& r);
    Response readAllDynamicVariables(const Request& r);
    // Writes.
    Response writeMessage(const Request& r);
    Response writeTagDescriptorDate(const Request& r);
    Response writeFinalAssembly(const Request& r);
    Response writeDamping(const Request& r);
    Response writeRange(const Request& r);
    Response setUpperRange(const Request& r);
    Response setLowerRange(const Request& r);
    Response fixedCurrentMode(const Request& r);
    Response setPvZero(const Request& r);
    Response writePvUnits(const Request& r);
    Response trimCurrent(const Request& r);
    Response writeTransferFunction(const Request& r);
    Response writeAssignments(const Request& r);
    Response setVariableZero(const Request& r);
    Response writeVariableUnits(const Request& r);
    Response writeVariableDamping(const Request& r);
    Response writeUnitTag(const Request& r);
    // Analog channel 0, the loop current output.
    Response readChannel(const Request& r);
    Response readDynamicAndChannel(const Request& r);
    Response readChannels(const Request& r);
    Response readChannelInfo(const Request& r);
    Response writeChannelDamping(const Request& r);
    Response writeChannelRange(const Request& r);
    Response fixedChannelMode(const Request& r);
    Response trimChannel(const Request& r);
    Response writeChannelTransferFunction(const Request& r);
    Response readChannelEndpoints(const Request& r);
    // Burst mode.
    Response writeBurstVariables(const Request& r);
    Response writeBurstCommand(const Request& r);
    Response burstModeControl(const Request& r);

    DeviceConfig m_settings;
    std::vector<VariableState> m_variables;
    std::array<bool, 2> m_coldStart{true, true};  // per master: [Secondary], [Primary]
    std::array<bool, 2> m_configChanged{false, false};
    std::uint16_t m_configCounter = 0;
    std::optional<double> m_fixedCurrent;
    bool m_loopCurrentEnabled = true;
    double m_channelDampingS = 0;
    bool m_resetPending = false;
};

}  // namespace sim
