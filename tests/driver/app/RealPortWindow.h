#pragma once

// The driver window on the real serial component, for tests that pin its ports to
// pseudo-terminals in the settings file: the modem lines are a fake whose DSR follows DTR.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <memory>

#include "app/AppTestSupport.h"
#include "driver/app/HalvaneForm.h"
#include "driver/app/PreciseClock.h"
#include "driver/app/SerialDriverPort.h"
#include "platform/channel/ConversationServer.h"
#include "support/FakeLineControl.h"

namespace apptest {

struct RealPortWindow {
    explicit RealPortWindow(const std::filesystem::path& settingsFile)
        : settings(settingsFile),
          port(settingsFile, std::make_shared<serialtest::FakeLineControl>()) {}

    platform::IniFile settings;
    hart::CodeTables tables{HALVANE_TABLE_FILE};
    driver::SerialDriverPort port;
    ScriptedDialogs dialogs;
    platform::channel::ConversationServer server{"Halvane", "DdeHartServer"};
    driver::PreciseClock clock;
    driver::QtMessagePump pump;
    driver::THalvaneForm form{
        driver::FormContext{settings, tables, port, dialogs, server, clock, pump}};
};

// Runs the event loop until done() holds; false when it still does not after the limit.
template <typename Done>
bool runEventsUntil(Done done, int limitMs = 3000) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return done();
}

}  // namespace apptest
