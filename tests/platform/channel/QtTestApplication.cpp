// The channel tests need a QCoreApplication (event dispatchers, socket notifiers); GoogleTest's
// own main() does not make one, so a global test environment does.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <memory>

namespace {

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override { m_app = std::make_unique<QCoreApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

  private:
    int m_argc = 1;
    char m_name[16] = "channel-tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
