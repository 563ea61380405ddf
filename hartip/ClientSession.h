#pragma once

// The client's side of one HART-IP session, without I/O and without a clock of its own: it
// makes the messages to send, numbers them, matches each response to its request by sequence
// number and turns what the server sends into events. The transport moves the bytes, passes the
// time in milliseconds and asks `due` what the session must send by itself.
//
// A session is opened with Session Initiate and kept open with a Keep Alive whenever nothing was
// sent for a third of the inactivity close time. Token-passing requests are not answered when
// the device behind the gateway is silent, so their silence proves nothing: a request left
// unanswered for `probeAfterMs` sends a Keep Alive, and a Session Initiate or Keep Alive left
// unanswered for `answerTimeoutMs` loses the session. So does a refused initiate, an Error or
// NAK message, a message of another HART-IP version and the server's own Session Close.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "hartip/Message.h"

namespace hartip {

class ClientSession {
  public:
    struct Options {
        MasterType master = MasterType::Primary;
        std::uint32_t inactivityCloseMs = 60'000;
        std::uint64_t answerTimeoutMs = 3'000;
        std::uint64_t probeAfterMs = 2'000;
    };
    enum class State { Closed, Initiating, Open };

    struct Event {
        enum class Kind {
            None,     // nothing for the driver (a Keep Alive answered)
            Opened,   // the session is open
            Frame,    // a HART frame (delimiter .. check byte): a reply or a published burst
            Ignored,  // a message that answers no request, or that the client cannot use
            Lost,     // the session is over; `text` says why
        };
        Kind kind = Kind::None;
        Bytes frame;
        std::string text;
    };

    explicit ClientSession(Options options) : m_options(options) {}

    State state() const { return m_state; }
    const Options& options() const { return m_options; }
    // The inactivity close time the server granted (the one asked for until it answers).
    std::uint32_t inactivityCloseMs() const { return m_inactivityCloseMs; }

    // A new session: sequence numbers start again, nothing is outstanding.
    Bytes initiate(std::uint64_t nowMs);
    // The token-passing request carrying `frame` (delimiter .. check byte). Only while open.
    Bytes request(std::span<const std::uint8_t> frame, std::uint64_t nowMs);
    // Session Close; the session is closed at once, whatever the server answers.
    Bytes close();
    // Marks the session lost without a message (the connection went away).
    void drop() {
        m_state = State::Closed;
        m_outstanding.clear();
    }

    Event receive(const Message& message, std::uint64_t nowMs);

    // What the session must do by itself at `nowMs`: a message to send (a Keep Alive), or a
    // Lost event when the server failed to answer in time. Call it at `nextDueMs` or later.
    struct Due {
        std::optional<Bytes> send;
        std::optional<Event> lost;
    };
    Due due(std::uint64_t nowMs);
    std::optional<std::uint64_t> nextDueMs() const;

  private:
    struct Outstanding {
        MessageId id;
        std::uint64_t sentMs;
        bool probed = false;  // a Keep Alive was sent for its silence
    };

    Bytes send(MessageId id, std::span<const std::uint8_t> body, std::uint64_t nowMs);
    Event lose(std::string text);
    Event answerInitiate(const Message& message);
    std::uint64_t keepAliveMs() const { return m_inactivityCloseMs / 3; }
    std::optional<std::uint64_t> oldestOutstanding(bool mustAnswer) const;

    Options m_options;
    State m_state = State::Closed;
    std::uint16_t m_nextSequence = 0;
    std::uint32_t m_inactivityCloseMs = 0;
    std::uint64_t m_lastSentMs = 0;
    std::map<std::uint16_t, Outstanding> m_outstanding;  // by sequence number
};

}  // namespace hartip
