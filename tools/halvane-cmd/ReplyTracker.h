#pragma once

// Telling this client's result apart from everything else the driver's item shows.
//
// The item is shared by every client and shows, in order, the previous result, the busy marker
// (one line, 1 ms after the driver takes a command line) and the new result; a control command
// is answered with the status text directly. An execute that reaches the driver while it is busy
// is dropped without a trace. So a client learns that its command line was taken from a busy
// marker that follows its execute, and takes the first result after that marker; a result that
// comes without one belongs to a transaction that began earlier. The command number and polling
// address at the head of a result are checked against the command line, so that the result of
// another client's command, taken in the same instant as ours, is not printed as ours.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvanecmd {

using Lines = std::vector<std::string>;

// What an executed text makes the driver do, read the way the driver reads it.
struct Expectation {
    enum class Kind { CommandLine, Control, Terminate };
    Kind kind = Kind::CommandLine;
    // CommandLine: the command number and polling address the driver will read, when it can.
    std::optional<int> command;
    std::optional<int> address;
    // Control: what the status text must show to be the answer to this control command.
    std::optional<std::string> port;  // "COM1" .. "COM20"; "none" means the port change failed
    std::optional<int> precision;
    std::optional<bool> modemRQ20;
    std::optional<bool> primary;
};

Expectation expectationFor(std::string_view executedText);

// The lines of the item as served (every line followed by CR LF).
Lines itemLines(std::string_view servedText);
// The busy marker is the only text of one line the item holds (every result has three or more).
bool isBusyMarker(const Lines& lines);
// The five-line status text: port, an empty line, modem, master, "<n> digits".
bool isStatusText(const Lines& lines);

class ReplyTracker {
  public:
    // How the item is watched: every change pushed in order, or snapshots requested now and then.
    enum class Mode { Advise, Poll };

    enum class Verdict {
        Pending,
        Delivered,           // a reply of the driver for this command (or its status text)
        CommandError,        // "Command Error!"
        CommunicationError,  // "Communication Error!"
        NoPort,              // a port change whose status shows no port
        ForeignReply,        // the driver answered another client's command; ours was dropped
        NotTaken,            // no sign that the driver took the command before the take limit
        NoResult,            // taken, but no result before the time limit
        DriverEnded,         // the conversation closed after "terminate": the driver ended
        ConversationLost,    // the conversation closed before a result
    };

    // before: the item's text just before the execute.
    ReplyTracker(Expectation expectation, Mode mode, const std::string& before);

    // An item text seen after the execute, in the order seen.
    void observe(const std::string& servedText);
    void conversationClosed();
    // The time allowed ran out (the take limit when not taken yet, else the time limit).
    void timeIsUp();

    bool done() const { return m_verdict != Verdict::Pending; }
    // The driver showed that it took the command (a command line's busy marker).
    bool taken() const { return m_taken; }
    Verdict verdict() const { return m_verdict; }
    // The reply (Delivered, CommandError, CommunicationError, NoPort) or, for ForeignReply, the
    // other command's reply.
    const Lines& lines() const { return m_lines; }
    const Expectation& expectation() const { return m_expectation; }

  private:
    void observeStatus(const Lines& lines);
    void observeResult(const Lines& lines);
    bool resultMatches(const Lines& lines) const;
    void finish(const Lines& lines);

    Expectation m_expectation;
    Mode m_mode;
    Lines m_last;  // the last text seen (polling only)
    bool m_taken = false;
    Verdict m_verdict = Verdict::Pending;
    Lines m_lines;
};

}  // namespace halvanecmd
