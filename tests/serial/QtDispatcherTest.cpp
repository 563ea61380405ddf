// The Qt programs' dispatcher: port events run on the application's thread, from its event loop.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <filesystem>
#include <thread>

#include "serial/TscComm.h"
#include "serial/qt/QtMainThreadDispatcher.h"
#include "support/PtyPair.h"
#include "support/TempDir.h"

namespace serial {
namespace {

TEST(QtMainThreadDispatcher, ReceiveEventsRunOnTheApplicationThread) {
    int argc = 1;
    char name[] = "serial_qt_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    testsupport::TempDir dir;
    serialtest::PtyPair pty;
    const auto settings = dir.write("ZODUVIR.INI", "[Ports]\nCOM1=" + pty.slavePath() + "\n");
    TscComm comm;
    comm.setPortNameResolver(
        std::make_shared<PortNameResolver>(settings, DeviceRoots{dir / "dev", dir / "sys"}));
    comm.setDispatcher(std::make_shared<QtMainThreadDispatcher>());
    std::string received;
    std::thread::id handlerThread;
    comm.OnAfterReceive = [&](TscBaseIO&, const std::uint8_t* bytes, std::uint32_t n) {
        received.append(reinterpret_cast<const char*>(bytes), n);
        handlerThread = std::this_thread::get_id();
        if (received.size() >= 5) app.quit();
    };
    comm.setActive(true);
    pty.write("hello");
    QTimer::singleShot(5000, &app, [&] { app.exit(1); });  // a failing test ends, too
    EXPECT_EQ(app.exec(), 0);
    EXPECT_EQ(received, "hello");
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
    comm.setActive(false);
}

}  // namespace
}  // namespace serial
