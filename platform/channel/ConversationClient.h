#pragma once

// A client's end of the conversation channel, with the operations a client program needs:
// open (starting the server program when no server answers), execute, request, advise and
// close. Every call is synchronous with a time limit and works without a running event loop, so
// command-line tools and code written for synchronous calls can use it directly. When an event
// loop does run, pushed changes also arrive between calls, through changed().
//
// One object belongs to one thread; not thread-safe. Texts are one-byte text, unchanged.

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/channel/ChannelProtocol.h"

class QLocalSocket;

namespace platform::channel {

class ConversationClient : public QObject {
    Q_OBJECT

  public:
    using Duration = std::chrono::milliseconds;
    static constexpr Duration kRequestLimit{10000};
    static constexpr Duration kAnswerLimit{5000};

    // The program started when no server answers: its name or path, its arguments, and how
    // long it may take to come up.
    // A server program started when none answers. It outlives the client, so it gets none of
    // the client's standard streams (a script reading the client's output through a pipe would
    // otherwise never see the pipe close): input from the null device, output and errors
    // appended to outputFile, or discarded when that is empty.
    struct ServerProgram {
        QString program;
        QStringList arguments;
        Duration startLimit{10000};
        QString outputFile;
    };

    struct Change {
        std::string item;
        std::string text;  // the item as served: every line followed by CR LF
    };

    explicit ConversationClient(std::string service = std::string(kServiceName),
                                std::string topic = std::string(kTopicName),
                                QObject* parent = nullptr);
    ~ConversationClient() override;

    // Connects to the service and topic. False, with errorString(), when no server answers or
    // the server refuses the topic.
    bool open();
    // As open(); when no server answers, starts the program detached, waits up to its start
    // limit for a server to answer and tries once more. A server that answers but refuses the
    // topic does not start the program.
    bool open(const ServerProgram& program);
    bool isOpen() const;
    // Ends the conversation (closing the connection is how the server learns of it).
    void close();

    // Sends a text to be executed and returns at once: true when it was handed to an open
    // conversation, false when there is none or the text is longer than the payload limit.
    // It does not wait for the server's work, nor for the acknowledgement.
    bool execute(std::string_view text);

    // The item's text as served (every line followed by CR LF). Nothing when the server has no
    // such item, when the conversation is not open or breaks, or when no answer comes in time.
    std::optional<std::string> request(std::string_view item = kItemName,
                                       Duration limit = kRequestLimit);

    // Asks the server to push every change of the item. False when it refuses (unknown item)
    // or does not answer in time.
    bool advise(std::string_view item = kItemName, Duration limit = kAnswerLimit);
    bool unadvise(std::string_view item = kItemName, Duration limit = kAnswerLimit);

    // The oldest change not taken yet, waiting up to limit for one. Changes are kept until
    // taken, the most recent kKeptChanges of them.
    static constexpr std::size_t kKeptChanges = 64;
    std::optional<Change> waitForChange(Duration limit);
    void discardChanges() { m_changes.clear(); }

    const std::string& errorString() const { return m_error; }
    // The process id of the server program the last open() started, if it started one.
    std::optional<qint64> startedProcessId() const { return m_startedPid; }

  signals:
    // Every pushed change, as it is read.
    void changed(const std::string& item, const std::string& text);

  private:
    bool connectOnce(Duration limit);
    std::string socketPath();
    bool send(const std::string& bytes);
    std::optional<Message> sendAndWait(const std::string& bytes, Duration limit);
    void readAvailable();
    bool fail(std::string message);

    std::string m_service;
    std::string m_topic;
    QLocalSocket* m_socket = nullptr;
    MessageReader m_reader;
    bool m_open = false;
    bool m_noServer = false;       // the last connect found no server (as opposed to a refusal)
    std::uint64_t m_sent = 0;      // messages sent that get an answer
    std::uint64_t m_answered = 0;  // answers received
    std::map<std::uint64_t, std::optional<Message>> m_awaited;  // answers waited for, by number
    int m_reading = 0;  // depth of readAvailable() calls (a changed() slot may call in again)
    std::deque<Change> m_changes;
    std::string m_error;
    std::optional<qint64> m_startedPid;
};

}  // namespace platform::channel
