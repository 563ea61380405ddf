#pragma once

// The driver's keys of the shared settings file ZODUVIR.INI: the user-interface language, and in
// [SerialPort] whether the modem check runs at start-up, the master role and the port. A missing
// key reads as its default; writes go to disk at once, and a failed write changes nothing.

#include <filesystem>
#include <string>

#include "platform/ini/IniFile.h"

namespace driver {

inline constexpr const char* kSettingsFileName = "ZODUVIR.INI";
inline constexpr int kLastPortNumber = 20;  // the port list offers COM1 .. COM20

struct DriverSettings {
    std::string language = "English";  // as it stands: the driver does not trim it
    bool modemDetection = true;
    int master = 1;  // 0 primary, anything else secondary
    int com = 0;     // 0 none, n for COMn
};

// Reads the keys. A "COM" outside the port list (above 20 or below 0) reads as 0 (none), which
// leads to the start-up scan.
DriverSettings readDriverSettings(const platform::IniFile& file);

// Each returns false when the file could not be written.
bool writeModemDetection(platform::IniFile& file, bool on);
bool writeMaster(platform::IniFile& file, int index);
bool writeComPort(platform::IniFile& file, int number);

}  // namespace driver
