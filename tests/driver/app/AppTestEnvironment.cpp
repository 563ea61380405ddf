// The program's tests need a QApplication (widgets, timers, socket notifiers); GoogleTest's
// main() makes none, so a global test environment does. The tests run offscreen, with the
// runtime folder (locks, sockets) in a private temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "support/TempDir.h"

namespace {

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        m_runtime = std::make_unique<testsupport::TempDir>();
        ::setenv("XDG_RUNTIME_DIR", m_runtime->path().c_str(), 1);
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override {
        m_app.reset();
        m_runtime.reset();
    }

  private:
    int m_argc = 1;
    char m_name[20] = "driver-app-tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<testsupport::TempDir> m_runtime;
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
