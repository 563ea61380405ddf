#pragma once

// The driver's transaction record: the command line's command number and argument texts go in,
// the request builder turns it into a frame, the link engine checks the reply into it and the
// decoder writes the results back into its text slots.

#include <array>
#include <cstdint>
#include <string>

namespace hart {

// Which master bit the driver uses: 0x80 as primary master, 0x00 as secondary.
enum MasterType : std::uint8_t { mtPrimary, mtSecondary };

inline std::uint8_t masterBit(MasterType mt) {
    return mt == mtPrimary ? 0x80 : 0x00;
}

// Identity of a device, as command 0 reports it, and its long address.
struct UniqueIdentifier {
    std::uint8_t MfrId = 0;          // low 6 bits: first long-address byte
    std::uint8_t MfrDeviceType = 0;  // second long-address byte
    std::uint8_t NmbrPreamb = 0;     // preambles the device needs in a request
    std::uint8_t UnivCmdRev = 0;
    std::uint8_t TransSpecRev = 0;
    std::uint8_t SoftRev = 0;
    std::uint8_t HardRev = 0;
    std::uint8_t Flags = 0;
    std::uint8_t DeviceIdNumberHi = 0;  // third to fifth long-address bytes
    std::uint8_t DeviceIdNumberMid = 0;
    std::uint8_t DeviceIdNumberLo = 0;
    // The long address as learnt or as seen in a reply, first byte reduced to its low 6 bits.
    std::array<std::uint8_t, 5> Address{};

    bool operator==(const UniqueIdentifier&) const = default;
};

constexpr std::size_t kDataSize = 41;  // Data[0..40]
constexpr std::size_t kMaxDataBytes = 40;

struct HartMessage {
    UniqueIdentifier Id;
    bool DataToSend = false;         // a built frame waits to be sent
    bool ReceivedDataValid = false;  // the reply's response code lets it be delivered
    MasterType mt = mtPrimary;
    std::uint8_t Command = 0;
    // Request: [0] byte count, [1..n] data. Reply: [0] byte count, [1] response code,
    // [2] device status, [3..] reply data.
    std::array<std::uint8_t, kDataSize> Data{};
    std::uint8_t Error = 0;  // response code
    std::string sError;
    std::uint8_t Status = 0;  // device status byte
    std::string sStatus;
    // Numbered like their names, F1..F10, LI1..LI10, S1..S25, B1..B20: index 0 is unused.
    std::array<double, 11> F{};
    std::array<std::int32_t, 11> LI{};
    std::array<std::string, 26> S;
    std::array<std::uint8_t, 21> B{};
    std::string ControlStr;  // format text of the generic command 255, at most 32 characters

    bool operator==(const HartMessage&) const = default;
};

}  // namespace hart
