#include "logger/core/TableFile.h"

#include <optional>

#include "localisation/CodePages.h"
#include "logger/core/OneByteText.h"
#include "platform/text/IntegerText.h"

namespace logger {

namespace {

// The file beside the program, else the installed one in ../share/halvane; nothing when neither
// exists.
std::optional<std::filesystem::path> findTable(const std::filesystem::path& programFolder,
                                               const std::string& name) {
    std::error_code ec;
    const std::filesystem::path beside = programFolder / name;
    if (std::filesystem::is_regular_file(beside, ec)) return beside;
    const std::filesystem::path installed = programFolder / ".." / "share" / "halvane" / name;
    if (std::filesystem::is_regular_file(installed, ec)) return installed.lexically_normal();
    return std::nullopt;
}

localisation::CodePage codePageOf(const platform::IniFile& table) {
    return localisation::TableFileCodePage(table.path().filename().string());
}

}  // namespace

std::filesystem::path loggerTableFile(const std::filesystem::path& programFolder,
                                      std::string_view languageCode) {
    const std::string name = SetLanguageDdf(languageCode, std::string());
    if (!name.empty())
        if (auto found = findTable(programFolder, name)) return *found;
    return findTable(programFolder, localisation::kEnglishTableFile)
        .value_or(programFolder / localisation::kEnglishTableFile);
}

UnitNames::UnitNames() {
    for (std::size_t code = 0; code < m_names.size(); ++code)
        m_names[code] = QString::number(code);
}

UnitNames::UnitNames(const platform::IniFile& table) : UnitNames() {
    const localisation::CodePage page = codePageOf(table);
    for (std::size_t code = 0; code < m_names.size(); ++code) {
        const std::string name = table.readString("Units", std::to_string(code), "");
        if (!name.empty()) m_names[code] = localisation::FromCodePage(name, page);
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
        if (!name.empty()) return localisation::FromCodePage(name, codePageOf(m_table));
    }
    return fromOneByteText(line);
}

}  // namespace logger
