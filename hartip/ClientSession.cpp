#include "hartip/ClientSession.h"

#include <algorithm>

namespace hartip {

namespace {

// Token-passing requests the session remembers; older ones are forgotten, so that their late
// answers are ignored rather than matched.
constexpr std::size_t kMaxOutstanding = 16;

bool mustAnswer(MessageId id) {
    return id == MessageId::SessionInitiate || id == MessageId::KeepAlive;
}

std::string sequenceText(std::uint16_t sequence) {
    return "sequence number " + std::to_string(sequence);
}

}  // namespace

Bytes ClientSession::send(MessageId id, std::span<const std::uint8_t> body, std::uint64_t nowMs) {
    const std::uint16_t sequence = m_nextSequence++;
    if (m_outstanding.size() >= kMaxOutstanding) m_outstanding.erase(m_outstanding.begin());
    m_outstanding[sequence] = {id, nowMs, false};
    m_lastSentMs = nowMs;
    return encode(MessageType::Request, id, 0, sequence, body);
}

Bytes ClientSession::initiate(std::uint64_t nowMs) {
    m_outstanding.clear();
    m_nextSequence = 0;
    m_inactivityCloseMs = m_options.inactivityCloseMs;
    m_state = State::Initiating;
    const Bytes body = encodeSessionParameters({m_options.master, m_options.inactivityCloseMs});
    return send(MessageId::SessionInitiate, body, nowMs);
}

Bytes ClientSession::request(std::span<const std::uint8_t> frame, std::uint64_t nowMs) {
    return send(MessageId::TokenPassingPdu, frame, nowMs);
}

Bytes ClientSession::close() {
    const std::uint16_t sequence = m_nextSequence++;
    drop();
    return encode(MessageType::Request, MessageId::SessionClose, 0, sequence);
}

ClientSession::Event ClientSession::lose(std::string text) {
    drop();
    return {Event::Kind::Lost, {}, std::move(text)};
}

ClientSession::Event ClientSession::answerInitiate(const Message& message) {
    const std::uint8_t code = message.header.status;
    if (code != status::kSuccess && code != status::kSetToNearest)
        return lose("the gateway refused the session: " + sessionStatusText(code));
    if (const auto granted = decodeSessionParameters(message.body); granted) {
        if (granted->inactivityCloseMs > 0) m_inactivityCloseMs = granted->inactivityCloseMs;
    }
    m_state = State::Open;
    return {Event::Kind::Opened, {}, {}};
}

ClientSession::Event ClientSession::receive(const Message& message, std::uint64_t nowMs) {
    static_cast<void>(nowMs);
    const Header& h = message.header;
    if (m_state == State::Closed) return {Event::Kind::Ignored, {}, "no session is open"};
    if (h.version != kVersion)
        return lose("the gateway speaks HART-IP version " + std::to_string(h.version) +
                    "; this driver speaks version 1");
    if (h.is(MessageId::SessionClose) && !h.is(MessageType::Response))
        return lose("the gateway closed the session");
    if (h.is(MessageType::Publish)) {
        if (m_state != State::Open || !h.is(MessageId::TokenPassingPdu))
            return {Event::Kind::Ignored, {}, "a " + messageName(h) + " was not expected"};
        return {Event::Kind::Frame, message.body, {}};
    }

    const auto sent = m_outstanding.find(h.sequence);
    if (sent == m_outstanding.end())
        return {
            Event::Kind::Ignored,
            {},
            "a " + messageName(h) + " with " + sequenceText(h.sequence) + " answers no request"};
    const MessageId requestId = sent->second.id;
    m_outstanding.erase(sent);

    if (h.is(MessageType::Error) || h.is(MessageType::Nak)) {
        std::string text = "the gateway answered the " +
                           messageName({kVersion, 0, static_cast<std::uint8_t>(requestId)}) +
                           " with " + (h.is(MessageType::Nak) ? "a NAK" : "an error");
        if (!message.body.empty()) text += ": " + errorCodeText(message.body[0]);
        return lose(std::move(text));
    }
    if (!h.is(MessageType::Response) || h.id != static_cast<std::uint8_t>(requestId))
        return lose("the gateway answered the " +
                    messageName({kVersion, 0, static_cast<std::uint8_t>(requestId)}) + " with a " +
                    messageName(h));
    switch (requestId) {
        case MessageId::SessionInitiate:
            return answerInitiate(message);
        case MessageId::TokenPassingPdu:
            if (message.body.empty())
                return {Event::Kind::Ignored,
                        {},
                        "the gateway answered a request without a frame (status " +
                            std::to_string(h.status) + ")"};
            return {Event::Kind::Frame, message.body, {}};
        default:
            return {};
    }
}

std::optional<std::uint64_t> ClientSession::oldestOutstanding(bool answerNeeded) const {
    std::optional<std::uint64_t> oldest;
    for (const auto& [sequence, o] : m_outstanding) {
        if (mustAnswer(o.id) != answerNeeded || o.probed) continue;
        if (!oldest || o.sentMs < *oldest) oldest = o.sentMs;
    }
    return oldest;
}

std::optional<std::uint64_t> ClientSession::nextDueMs() const {
    if (m_state == State::Closed) return std::nullopt;
    std::optional<std::uint64_t> next;
    auto consider = [&next](std::uint64_t ms) { next = next ? std::min(*next, ms) : ms; };
    if (const auto waiting = oldestOutstanding(true)) {
        consider(*waiting + m_options.answerTimeoutMs);
    } else if (m_state == State::Open) {
        // Without a probe under way: a silent request asks for one, and an idle session for a
        // Keep Alive.
        if (const auto request = oldestOutstanding(false))
            consider(*request + m_options.probeAfterMs);
        consider(m_lastSentMs + keepAliveMs());
    }
    return next;
}

ClientSession::Due ClientSession::due(std::uint64_t nowMs) {
    if (m_state == State::Closed) return {};
    if (const auto waiting = oldestOutstanding(true)) {
        if (nowMs < *waiting + m_options.answerTimeoutMs) return {};
        const bool initiating = m_state == State::Initiating;
        return {std::nullopt, lose(std::string("the gateway did not answer ") +
                                   (initiating ? "the Session Initiate" : "a Keep Alive") +
                                   " within " + std::to_string(m_options.answerTimeoutMs) + " ms")};
    }
    if (m_state != State::Open) return {};
    const auto request = oldestOutstanding(false);
    const bool probe = request && nowMs >= *request + m_options.probeAfterMs;
    if (probe || nowMs >= m_lastSentMs + keepAliveMs()) {
        // One probe answers for every request silent so far; their late replies still count.
        for (auto& [sequence, o] : m_outstanding)
            o.probed = true;
        return {send(MessageId::KeepAlive, {}, nowMs), std::nullopt};
    }
    return {};
}

}  // namespace hartip
