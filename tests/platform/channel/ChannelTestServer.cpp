// A tiny server program for the client tests: serves Halvane/DdeHartServer in the runtime folder
// of its environment and sets the item to the lines of every executed text. The single line
// "TERMINATE" ends it. With --fail it ends at once without serving, like a server program that
// cannot start.

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "platform/channel/ConversationServer.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--fail") == 0) return 3;
    QCoreApplication app(argc, argv);
    platform::channel::ConversationServer server{std::string(platform::channel::kServiceName),
                                                 std::string(platform::channel::kTopicName)};
    QObject::connect(&server, &platform::channel::ConversationServer::executed, &server,
                     [&server](const std::vector<std::string>& lines) {
                         if (lines == std::vector<std::string>{"TERMINATE"})
                             QCoreApplication::quit();
                         else
                             server.setItemLines(lines);
                     });
    if (!server.listen()) {
        std::fprintf(stderr, "channel_test_server: %s\n", server.errorString().c_str());
        return 2;
    }
    return QCoreApplication::exec();
}
