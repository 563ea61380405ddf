#pragma once

// The driver's reply texts are one-byte text in the driver's code page, Windows-1252; they
// become Unicode where they enter the record, a window or the log file. (Table files are read in
// the code page of their language, TableFile.h.)

#include <QString>
#include <string_view>

#include "localisation/CodePages.h"

namespace logger {

inline QString fromOneByteText(std::string_view text) {
    return localisation::FromCodePage(text, localisation::CodePage::Windows1252);
}

}  // namespace logger
