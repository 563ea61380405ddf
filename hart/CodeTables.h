#pragma once

// The texts of HART codes (manufacturers, device types, units, transfer functions, alarm
// selection, write protection, response codes and device status bits), looked up in a table
// file in INI format. Every lookup returns a text and never fails: a missing file, section or
// key gives the default text. The file is read anew whenever it changes, so an edit takes effect
// at the next lookup.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini/IniFile.h"

namespace hart {

struct ResponseText {
    std::string text;
    bool accepted = true;  // the reply may be delivered (0..16, 28 and 64)
};

class CodeTables {
  public:
    // A missing file behaves like a file without sections.
    explicit CodeTables(std::filesystem::path tableFile);

    const std::filesystem::path& path() const { return m_file.path(); }
    const platform::IniFile& file() const { return m_file; }

    // Put before the key of every code the table lacks; empty in the built-in language, so an
    // unknown unit 250 reads "250".
    void setUnknownCodePrefix(std::string prefix) { m_unknownPrefix = std::move(prefix); }
    const std::string& unknownCodePrefix() const { return m_unknownPrefix; }

    // From HART revision 7 on, the first two identity bytes are an expanded device type; the
    // name is then looked up in ExpDevTypeMfr, and when that has none, the device's own 16-bit
    // manufacturer code (command 0 reply bytes 17-18) in Distributors.
    std::string DistributorName(std::uint8_t manufacturer, std::uint8_t deviceType,
                                std::uint8_t hartRevision,
                                std::optional<std::uint16_t> manufacturerCode = {}) const;
    std::string InstrumentName(std::uint8_t manufacturer, std::uint8_t deviceType,
                               std::uint8_t hartRevision) const;
    std::string UnitName(std::uint8_t code) const;
    std::string AlarmSelectionName(std::uint8_t code) const;
    std::string TransferFunctionName(std::uint8_t code) const;
    std::string WriteProtectName(std::uint8_t code) const;
    ResponseText ResponseCodeText(std::uint8_t code) const;
    std::string DeviceStatusText(std::uint8_t status) const;

  private:
    std::string lookup(std::string_view section, const std::string& key) const;
    std::string message(int key) const;

    platform::IniFile m_file;
    std::string m_unknownPrefix;
};

// One-byte (Windows-1252) text through code page 1250 and back: characters that code page lacks
// become the best fit the platform's published table gives them (an unaccented letter, a digit
// for a superscript or fraction, '!' for the inverted exclamation mark ...) or '?'.
std::string RoundTripCodePage1250(std::string_view text);

}  // namespace hart
