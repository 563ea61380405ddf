#include "tools/halvane-cmd/TableFile.h"

#include "platform/folders/DataFiles.h"

namespace halvanecmd {

std::filesystem::path tableFilePath(const std::string& given) {
    if (!given.empty()) return given;
    return platform::dataFilePath(platform::programFolder(), "TABEN.DDF");
}

}  // namespace halvanecmd
