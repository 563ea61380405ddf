#include "driver/app/FileProblems.h"

#include <system_error>

namespace driver {

std::optional<std::string> settingsFileMessage(const platform::IniFile& settings) {
    const auto problem = settings.problem();
    if (!problem) return std::nullopt;
    std::string text = "The settings file " + settings.path().string() + " " + problem->text +
                       ": the driver uses its default settings";
    if (problem->blocksWrites()) text += " and cannot store changes; remove or replace it";
    return text + ".";
}

std::optional<std::string> tableFileMessage(const platform::IniFile& table) {
    std::error_code ec;
    std::string what;
    if (const auto problem = table.problem()) {
        what = problem->text;
    } else if (!std::filesystem::exists(table.path(), ec)) {
        what = "is missing";
    } else {
        return std::nullopt;
    }
    return "The table file " + table.path().string() + " " + what +
           ": code names show as numbers. Reinstall the program.";
}

}  // namespace driver
