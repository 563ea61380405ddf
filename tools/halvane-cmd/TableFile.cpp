#include "tools/halvane-cmd/TableFile.h"

#include <QCoreApplication>
#include <system_error>

namespace halvanecmd {

namespace {

constexpr const char* kTableFileName = "TABEN.DDF";

}  // namespace

std::filesystem::path tableFilePath(const std::string& given) {
    if (!given.empty()) return given;
    if (!QCoreApplication::instance()) return kTableFileName;
    const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();
    const std::filesystem::path beside = folder / kTableFileName;
    const std::filesystem::path installed = folder / ".." / "share" / "halvane" / kTableFileName;
    std::error_code ec;
    if (!std::filesystem::exists(beside, ec) && std::filesystem::exists(installed, ec))
        return installed.lexically_normal();
    return beside;
}

}  // namespace halvanecmd
