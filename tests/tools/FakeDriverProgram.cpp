// The fake driver as a program, for starting on demand: serves Halvane/DdeHartServer in the
// runtime folder of its environment until "terminate" or SIGTERM. --port-text TEXT sets the port
// its status text shows. Says on standard output when it serves.

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "FakeDriver.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::signal(SIGTERM, [](int) { std::_Exit(0); });
    fakedriver::FakeDriver driver;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--port-text") == 0) driver.port = argv[++i];
    }
    driver.onTerminate = [] { QCoreApplication::quit(); };
    platform::channel::ConversationServer server{std::string(platform::channel::kServiceName),
                                                 std::string(platform::channel::kTopicName)};
    QObject::connect(&server, &platform::channel::ConversationServer::executed, &server,
                     [&](const fakedriver::Lines& lines) { driver.execute(server, lines); });
    if (!server.listen()) {
        std::fprintf(stderr, "fake driver: %s\n", server.errorString().c_str());
        return 2;
    }
    std::printf("fake driver serving\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
