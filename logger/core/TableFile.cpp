#include "logger/core/TableFile.h"

#include <optional>

#include "localisation/CodePages.h"
#include "logger/core/OneByteText.h"
#include "platform/folders/DataFiles.h"
#include "platform/text/IntegerText.h"

namespace logger {

namespace {

localisation::CodePage codePageOf(const platform::IniFile& table) {
    return localisation::TableFileCodePage(table.path().filename().string());
}

}  // namespace

std::filesystem::path loggerTableFile(const std::filesystem::path& programFolder,
                                      std::string_view languageCode) {
    const std::string name = SetLanguageDdf(languageCode, std::string());
    if (!name.empty()) {
        if (auto found = platform::findDataFile(programFolder, name)) return *found;
    }
    return platform::dataFilePath(programFolder, localisation::kEnglishTableFile);
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
