#include "driver/app/LinkByPin.h"

#include <stdexcept>

#include "platform/ini/IniFile.h"

namespace driver {

LinkByPin::LinkByPin(const std::filesystem::path& settingsFile)
    : m_settingsFile(settingsFile), m_serial(settingsFile) {
    for (DriverPort* link :
         {static_cast<DriverPort*>(&m_serial), static_cast<DriverPort*>(&m_gateway)}) {
        link->onReceived = [this](std::span<const std::uint8_t> bytes) {
            if (onReceived) onReceived(bytes);
        };
        link->onLineError = [this] {
            if (onLineError) onLineError();
        };
        link->onGone = [this] {
            if (onGone) onGone();
        };
        link->onProblem = [this](const std::string& text) {
            if (onProblem) onProblem(text);
        };
    }
}

LinkByPin::~LinkByPin() {
    for (DriverPort* link :
         {static_cast<DriverPort*>(&m_serial), static_cast<DriverPort*>(&m_gateway)}) {
        link->onReceived = nullptr;
        link->onLineError = nullptr;
        link->onGone = nullptr;
        link->onProblem = nullptr;
    }
}

void LinkByPin::open(int number) {
    const platform::IniFile settings(m_settingsFile);
    const std::string pin = settings.readString("Ports", "COM" + std::to_string(number), "");
    close();
    if (!hartip::isGatewayUrl(pin)) {
        m_gatewayChosen = false;
        m_serial.open(number);
        return;
    }
    const auto parsed = hartip::parseGatewayUrl(pin);
    if (!parsed.url) throw std::invalid_argument(parsed.problem);
    m_gatewayChosen = true;
    m_gateway.openUrl(number, *parsed.url);
}

void LinkByPin::close() {
    m_serial.close();
    m_gateway.close();
}

}  // namespace driver
