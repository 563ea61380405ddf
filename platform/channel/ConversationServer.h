#pragma once

// The driver's end of the conversation channel: a local stream socket named after a service and
// a topic, in the user's runtime folder, serving one item to any number of clients.
//
// Clients connect to the service and topic, execute texts, request the item and advise on it
// (docs/conversation-protocol.md). Every execute is acknowledged at once; its text, split into
// lines, reaches executed() afterwards from the event loop, so a handler that takes long never
// delays an acknowledgement. The server never waits on a client: a client that sends malformed
// or oversized input, or stops reading while its answers pile up beyond the output limit, is
// disconnected and the others go on. At most kDefaultMaxClients are served at a time; a further
// one is told so and closed. Running out of file descriptors never stops the server listening.
//
// Lives on one thread with a running Qt event loop (the driver's main thread); not thread-safe.

#include <QObject>
#include <QtGlobal>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/channel/ChannelProtocol.h"

class QLocalSocket;

namespace platform::channel {

class LocalListener;

class ConversationServer : public QObject {
    Q_OBJECT

  public:
    // Bytes of answers and pushes a client may leave unread before it is disconnected.
    static constexpr qint64 kDefaultOutputLimit = 1024 * 1024;
    // Clients served at a time: far more than the programs that use one driver, and far fewer
    // than the descriptors a process may hold.
    static constexpr int kDefaultMaxClients = 64;

    ConversationServer(std::string service, std::string topic,
                       std::string item = std::string(kItemName), QObject* parent = nullptr);
    ~ConversationServer() override;

    // Starts serving on the socket in platform::runtimeFolder(). A socket left behind by a
    // crashed server is removed and taken over. Returns false, with errorString() saying why and
    // what to do, when the folder is not private to the user, when a live server already answers
    // on the socket, or when the socket cannot be made.
    bool listen();
    // Stops serving: disconnects every client and removes the socket file.
    void close();
    bool isListening() const;
    const std::string& errorString() const { return m_error; }
    // The socket path (known after listen()).
    const std::filesystem::path& socketPath() const { return m_socketPath; }

    // The item as one entry: clients receive text + CR LF. Every call notifies advising
    // clients, even with an unchanged text, since it publishes a fresh answer.
    void setItemText(const std::string& text);
    // The item as a list of lines. A list equal to the current one changes nothing and notifies
    // nobody; any other list notifies every advising client.
    void setItemLines(const std::vector<std::string>& lines);
    const std::vector<std::string>& itemLines() const { return m_lines; }
    // The item as served: every line followed by CR LF; empty until the first text is set.
    const std::string& itemText() const { return m_served; }

    // Clients connected now (those being disconnected not counted).
    int clientCount() const;
    void setOutputLimit(qint64 bytes) { m_outputLimit = bytes; }
    void setMaxClients(int count) { m_maxClients = count; }

  signals:
    // An executed text, split into lines at CR LF, CR or LF (one-byte text, unchanged).
    void executed(const std::vector<std::string>& lines);

  private:
    struct Connection;

    bool takeOverSocket();
    void acceptConnections();
    void readFrom(Connection& c);
    void handle(Connection& c, Message& message);
    void send(Connection& c, const std::string& bytes);
    void refuse(Connection& c, const std::string& reason);
    void closeAfterAnswers(Connection& c);
    void drop(Connection& c, const char* reason);
    void peerClosed(Connection& c);
    void schedulePurge();
    void purge();
    void publish();
    bool isOurItem(const std::string& name) const;

    std::string m_service;
    std::string m_topic;
    std::string m_item;
    std::string m_error;
    std::filesystem::path m_socketPath;
    LocalListener* m_listener = nullptr;
    std::vector<std::unique_ptr<Connection>> m_connections;
    bool m_purgeScheduled = false;
    qint64 m_outputLimit = kDefaultOutputLimit;
    int m_maxClients = kDefaultMaxClients;
    std::vector<std::string> m_lines;
    std::string m_served;
};

}  // namespace platform::channel
