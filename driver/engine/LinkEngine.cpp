#include "driver/engine/LinkEngine.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "hart/ReplyDecoder.h"
#include "hart/ReplyText.h"

namespace driver {

namespace {

// One character on the line: start bit, 8 data bits, parity and stop bit at 1200 baud.
constexpr double kCharacterMs = 11.0 * 1000.0 / 1200.0;
constexpr std::uint64_t kMaxAfterSendWait = 1000;

bool isToPrimary(hart::MessageDirection md) {
    return md == hart::mdToPrimary;
}
bool isToSecondary(hart::MessageDirection md) {
    return md == hart::mdToSecondary;
}

}  // namespace

LinkEngine::LinkEngine(Seams seams, const hart::CodeTables& tables)
    : m_seams(seams), m_tables(tables) {
    m_seams.timer1.setEnabled(false);
    m_seams.timer1.setInterval(400);
    m_seams.timer1.setHandler([this] { Timer1Timer(); });
}

hart::CoreContext LinkEngine::context() const {
    return hart::CoreContext{m_tables, m_locale, FloatPrecision};
}

int LinkEngine::rolePollInterval() const {
    return msg.mt == hart::mtPrimary ? PrimaryPollInterval : SecondaryPollInterval;
}

void LinkEngine::buildRequest(hart::HartMessage& message) {
    if (m_builder.BuildRequest(message, context()).genericCommand) {
        PrimaryPollInterval = hart::kGenericPollInterval;
        SecondaryPollInterval = hart::kGenericPollInterval;
    }
    m_request.Command = message.Command;
    m_request.Data = message.Data;
}

void LinkEngine::startTimer1() {
    planTick(m_seams.timer1.interval());
    m_seams.timer1.setEnabled(true);
}

void LinkEngine::planTick(int ms) {
    m_tickDeadline = m_seams.clock.now() + static_cast<std::uint64_t>(ms + kMaxHoldBack);
}

void LinkEngine::holdBackTick(int ms) {
    const std::uint64_t now = m_seams.clock.now();
    const std::uint64_t left = m_tickDeadline > now ? m_tickDeadline - now : 0;
    m_seams.timer1.setInterval(static_cast<int>(std::clamp<std::uint64_t>(left, 1, ms)));
}

void LinkEngine::restorePollIntervals() {
    PrimaryPollInterval = hart::kPrimaryPollInterval;
    SecondaryPollInterval = hart::kSecondaryPollInterval;
}

void LinkEngine::endTransaction(std::string_view text) {
    const auto lines = hart::ErrorReplyLines(msg.Command, Regaddr, text);
    m_seams.view.addListLines(lines);
    std::string itemText = lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2];
    m_seams.view.setItemText(itemText);
    msg.DataToSend = false;
    Busy = false;
    NmbrSendTry = 0;
    rs = rstNone;
    // The generic command's long intervals last only as long as its transaction.
    restorePollIntervals();
}

void LinkEngine::Timer1Timer() {
    m_seams.timer1.setEnabled(false);
    m_receiver.clearLineError();

    if (m_builder.RequestError) {
        endTransaction(hart::kCommandError);
    } else if (NmbrSendTry > 5) {
        if (rs == rstNone) {
            // The device stays silent: find it again by its polling address.
            msgStore = msg;
            msg.Command = 0;
            msg.S[1] = std::to_string(Regaddr);
            buildRequest(msg);
            rs = rstPolling;
            NmbrSendTry = 0;
        } else {
            endTransaction(hart::kCommunicationError);
        }
    }

    if (msg.DataToSend && !Sending) {
        if (!m_seams.port.portSelected()) {
            // Nothing can ever be sent: end now rather than leave the client waiting.
            endTransaction(hart::kCommunicationError);
        } else {
            // Counted first: a reply handled while the send lets events run (the RQ-10 pulse)
            // may start the next phase, whose count begins at 0.
            ++NmbrSendTry;
            try {
                sendFrame();
            } catch (...) {
                sendFailed();
            }
        }
    }
    m_seams.timer1.setInterval(rolePollInterval());
    planTick(rolePollInterval());
}

void LinkEngine::sendFrame() {
    m_receiver.restart();
    if (!m_seams.port.carriesLineTiming()) {
        Sending = true;
        ++Label1;
        txShown = true;
        rxShown = false;
        m_seams.port.SendString(m_builder.frame());
        Sending = false;
        txShown = false;
        m_seams.view.indicatorsChanged();
        m_seams.timer1.setEnabled(true);
        return;
    }
    if (mType == mRQ20) m_seams.port.SetStateRTS(true);
    const std::uint64_t start = m_seams.clock.now();
    const std::size_t length = m_builder.RequestLength;
    m_sendDeadline = start + length * 20 + 100;
    Sending = true;
    ++Label1;
    txShown = true;
    rxShown = false;
    m_seams.view.indicatorsChanged();
    m_txEndTime =
        m_seams.clock.now() +
        static_cast<std::uint64_t>(std::lround(static_cast<double>(length + 1) * kCharacterMs));
    m_seams.port.SendString(m_builder.frame());
    scComm1AfterSend();
}

void LinkEngine::sendFailed() {
    // A failed send is one try: the modem is not left keyed, and the retry tick goes on, so the
    // transaction still ends.
    Sending = false;
    if (mType == mRQ20) {
        try {
            m_seams.port.SetStateRTS(false);
        } catch (...) {
            // A port that cannot send cannot key the modem either.
        }
    }
    txShown = false;
    m_seams.view.indicatorsChanged();
    m_seams.timer1.setEnabled(true);
}

void LinkEngine::scComm1AfterSend() {
    // Blocks without processing events until the frame and the modem's turnaround are over,
    // dropping RTS of the RTS-keyed modem as soon as the last bit has left.
    const std::uint64_t start = m_seams.clock.now();
    const std::uint64_t end = std::min(m_sendDeadline, start + kMaxAfterSendWait);
    if (mType == mRQ20 && m_seams.clock.now() <= end) {
        if (m_seams.clock.now() <= m_txEndTime) {
            m_seams.clock.sleepUntil(std::min(m_txEndTime + 1, end + 1));
        }
        if (m_seams.clock.now() > m_txEndTime) m_seams.port.SetStateRTS(false);
    }
    if (m_seams.clock.now() <= end) m_seams.clock.sleepUntil(end + 1);
    Sending = false;
    if (mType == mRQ10) {
        m_seams.port.SetStateRTS(true);
        m_seams.pump.WaitPumping(1);
        m_seams.port.SetStateRTS(false);
    }
    txShown = false;
    m_seams.view.indicatorsChanged();
    m_seams.timer1.setEnabled(true);
}

void LinkEngine::scComm1CommError() {
    m_receiver.markLineError();
}

void LinkEngine::scComm1AfterReceive(std::span<const std::uint8_t> buffer) {
    ++Label9;
    if (buffer.empty()) {
        m_seams.view.indicatorsChanged();
        return;
    }
    rxShown = true;
    txShown = false;
    m_seams.view.indicatorsChanged();
    if (auto frame = m_receiver.ReceiveEvent(buffer, m_request)) {
        m_seams.view.frameReceived(*frame);
        useFrame(*frame);
        if (frame->inputOverflow) m_seams.port.ClearDeviceInput();
    }
}

void LinkEngine::useFrame(const hart::ReceivedFrame& frame) {
    msg.Data = frame.data;
    msg.Id.Address = frame.address;
    if (!frame.good() || frame.lineError) return;
    // Between transactions a frame changes nothing: a late duplicate reply is not published,
    // and the tick stays off (it would repeat the last "Command Error!").
    if (!msg.DataToSend) return;

    const bool primary = msg.mt == hart::mtPrimary;
    const hart::MessageDirection md = frame.md;
    const bool endsOtherTurn = primary
                                   ? (md == hart::mdToSecondary || md == hart::mdBurstToSecondary)
                                   : (md == hart::mdToPrimary || md == hart::mdBurstToPrimary);
    const bool toThisMaster = primary ? isToPrimary(md) : isToSecondary(md);

    if (toThisMaster) {
        m_seams.timer1.setEnabled(false);
        holdBackTick(TurnaroundInterval);
        m_seams.timer1.setEnabled(true);
    } else {
        // Another master's turn: wait until the line has been quiet for a slave time-out and a
        // poll interval, so a transaction that hears nothing more still retries and ends. A
        // line that never goes quiet holds the send back only until its deadline.
        holdBackTick(kSlaveTimeout + rolePollInterval());
    }

    const bool forThisMaster = primary
                                   ? (md == hart::mdToPrimary || md == hart::mdBurstToPrimary ||
                                      md == hart::mdBurstToSecondary)
                                   : (md == hart::mdToSecondary || md == hart::mdBurstToSecondary ||
                                      md == hart::mdBurstToPrimary);
    // A refused request waits for its first tick only to say "Command Error!".
    if (!m_builder.RequestError && forThisMaster && frame.command == msg.Command) {
        acceptFrame(frame);
    }

    // The other master's turn is over: send the waiting request at once. Only now, when this
    // frame has been used: the send waits for the frame to leave and lets events run, and
    // frames heard meanwhile overwrite the data this frame left in msg. A burst frame that was
    // just taken as the reply has ended the transaction, and nothing is sent.
    if (endsOtherTurn && msg.DataToSend) Timer1Timer();
}

void LinkEngine::acceptFrame(const hart::ReceivedFrame& frame) {
    if (hart::DecodeReply(msg, context()).templateApplied) restorePollIntervals();
    const bool registryIndex = Regaddr >= 0 && Regaddr < kRegistrySize;
    if (registryIndex && (msg.Command == 0 || msg.Command == 11 || msg.Command == 21)) {
        hart::UniqueIdentifier& entry = registr[static_cast<std::size_t>(Regaddr)];
        entry = msg.Id;
        entry.Address = {static_cast<std::uint8_t>(msg.Id.MfrId & 0x3F), msg.Id.MfrDeviceType,
                         msg.Id.DeviceIdNumberHi, msg.Id.DeviceIdNumberMid,
                         msg.Id.DeviceIdNumberLo};
        msg.Id = entry;
    }
    if (frame.md == hart::mdBurstToPrimary || frame.md == hart::mdBurstToSecondary) {
        msg.sStatus += " ";
        msg.sStatus += hart::kInBurstMode;
    }
    if (!msg.ReceivedDataValid || !registryIndex ||
        registr[static_cast<std::size_t>(Regaddr)].Address != msg.Id.Address) {
        return;
    }
    if (rs == rstPolling) {
        // The device answered its re-identification: repeat the saved request at its address.
        m_seams.view.setListLines(hart::ReplyLines(msg, Regaddr));
        msg = msgStore;
        msg.Id = registr[static_cast<std::size_t>(Regaddr)];
        buildRequest(msg);
        rs = rstRepeating;
        msg.DataToSend = true;
        planTick(m_seams.timer1.interval());
        m_seams.timer1.setEnabled(true);
        NmbrSendTry = 0;
        return;
    }
    const auto lines = hart::DeliveredReplyLines(msg, Regaddr, Label14);
    m_seams.view.setListLines(lines);
    m_seams.view.setItemLines(lines);
    ++Label14;
    m_seams.view.indicatorsChanged();
    Busy = false;
    msg.DataToSend = false;
    m_seams.timer1.setEnabled(false);
    NmbrSendTry = 0;
    rs = rstNone;
    restorePollIntervals();
}

}  // namespace driver
