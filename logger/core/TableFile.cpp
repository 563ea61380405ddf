#include "logger/core/TableFile.h"

#include <utility>

#include "logger/core/OneByteText.h"
#include "platform/text/IntegerText.h"

namespace logger {

namespace {

constexpr const char* kEnglishTable = "TABEN.DDF";

}  // namespace

std::string SetLanguageDdf(std::string_view code, const std::string& current) {
    static constexpr std::pair<std::string_view, const char*> kTables[] = {
        {"cs", "TABCZ.DDF"}, {"de", "TABDE.DDF"}, {"en", "TABEN.DDF"}, {"es", "TABES.DDF"},
        {"fr", "TABFR.DDF"}, {"pl", "TABPL.DDF"}, {"sk", "TABSK.DDF"},
    };
    if (code.size() < 2) return current;
    for (const auto& [prefix, name] : kTables)
        if (code.substr(0, 2) == prefix) return name;
    return current;
}

std::filesystem::path loggerTableFile(const std::filesystem::path& programFolder,
                                      std::string_view languageCode) {
    std::error_code ec;
    const std::string name = SetLanguageDdf(languageCode, std::string());
    if (!name.empty() && std::filesystem::is_regular_file(programFolder / name, ec))
        return programFolder / name;
    const std::filesystem::path beside = programFolder / kEnglishTable;
    const std::filesystem::path installed =
        programFolder / ".." / "share" / "halvane" / kEnglishTable;
    if (!std::filesystem::is_regular_file(beside, ec) &&
        std::filesystem::is_regular_file(installed, ec))
        return installed.lexically_normal();
    return beside;
}

UnitNames::UnitNames() {
    for (std::size_t code = 0; code < m_names.size(); ++code)
        m_names[code] = QString::number(code);
}

UnitNames::UnitNames(const platform::IniFile& table) : UnitNames() {
    for (std::size_t code = 0; code < m_names.size(); ++code) {
        const std::string name = table.readString("Units", std::to_string(code), "");
        if (!name.empty()) m_names[code] = fromOneByteText(name);
    }
}

QString UnitNames::UnitText(std::string_view text) const {
    const std::optional<std::int32_t> code = platform::parseInteger(text);
    if (code && *code >= 0 && *code <= 255) return m_names[static_cast<std::size_t>(*code)];
    return fromOneByteText(text);
}

CodeNames::CodeNames(const std::filesystem::path& tableFile)
    : m_table(tableFile), m_units(m_table) {}

QString CodeNames::distributorName(std::string_view line) const {
    return lookup("Distributors", line);
}

QString CodeNames::instrumentName(std::string_view line) const {
    return lookup("Instruments", line);
}

QString CodeNames::lookup(std::string_view section, std::string_view line) const {
    const std::optional<std::int32_t> code = platform::parseInteger(line);
    if (code && *code != 256) {
        const std::string name = m_table.readString(section, std::to_string(*code), "");
        if (!name.empty()) return fromOneByteText(name);
    }
    return fromOneByteText(line);
}

}  // namespace logger
