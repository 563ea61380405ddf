#include "driver/app/DriverSettings.h"

#include "localisation/LanguageSetting.h"

namespace driver {

namespace {

constexpr const char* kSection = "SerialPort";

}  // namespace

DriverSettings readDriverSettings(const platform::IniFile& file) {
    DriverSettings s;
    s.language = localisation::DriverLanguageValue(file);
    s.modemDetection = file.readBool(kSection, "ModemDetection", s.modemDetection);
    s.master = file.readInteger(kSection, "Master", s.master);
    const int com = file.readInteger(kSection, "COM", 0);
    s.com = com < 0 || com > kLastPortNumber ? 0 : com;
    return s;
}

bool writeModemDetection(platform::IniFile& file, bool on) {
    return file.writeBool(kSection, "ModemDetection", on);
}

bool writeMaster(platform::IniFile& file, int index) {
    return file.writeInteger(kSection, "Master", index);
}

bool writeComPort(platform::IniFile& file, int number) {
    return file.writeInteger(kSection, "COM", number);
}

}  // namespace driver
