#pragma once

// The logger's HART table file (INI format, one-byte text in the code page of its language): the
// names of manufacturers ("Distributors"), device types ("Instruments") and units ("Units") by
// code.

#include <QString>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "localisation/TableFiles.h"
#include "platform/ini/IniFile.h"

namespace logger {

// The table file name for a language code by its first two letters ("de..." gives
// "TABDE.DDF"); a code without an entry (Russian has none) leaves `current` as it is.
using localisation::SetLanguageDdf;

// The table file the logger reads: the one of its user-interface language beside the program,
// else installed in ../share/halvane; when there is none, TABEN.DDF, found the same way. Unless
// one exists, the path of TABEN.DDF beside the program (lookups then give their defaults).
std::filesystem::path loggerTableFile(const std::filesystem::path& programFolder,
                                      std::string_view languageCode);

// Unit names by HART unit code 0 .. 255: the value of the key in section Units, or the code's
// decimal text when it is missing or empty.
class UnitNames {
  public:
    UnitNames();  // every entry its own number
    explicit UnitNames(const platform::IniFile& table);

    // The entry of a text that reads as a whole number from 0 to 255; the text itself otherwise.
    QString UnitText(std::string_view text) const;
    const QString& operator[](int code) const { return m_names.at(static_cast<std::size_t>(code)); }

  private:
    std::array<QString, 256> m_names;
};

// The names the reply processing looks up: manufacturers and device types by the code text of a
// reply line, and the unit names read at start-up.
class CodeNames {
  public:
    explicit CodeNames(const std::filesystem::path& tableFile);

    // The table's name for a line that reads as a whole number; the line itself when it does
    // not, or when the table has no such key or an empty value.
    QString distributorName(std::string_view line) const;
    QString instrumentName(std::string_view line) const;
    const UnitNames& units() const { return m_units; }

  private:
    QString lookup(std::string_view section, std::string_view line) const;

    platform::IniFile m_table;
    UnitNames m_units;
};

}  // namespace logger
