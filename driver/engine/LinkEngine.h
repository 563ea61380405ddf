#pragma once

// The link engine: sends the request the builder left in its buffer, keys the modem's RTS line
// for the modem type, assembles and checks reply frames, arbitrates with the other master,
// retries a silent device, re-identifies it with command 0, learns long addresses, hands the
// accepted reply to the decoder and publishes the reply lines.
//
// Everything runs on the main thread: the send/retry tick Timer1, the serial component's receive
// and error events and the command interface all call in from there. Timing comes only through
// the seams (EngineSeams.h), so tests run it in simulated time.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "driver/engine/EngineSeams.h"
#include "hart/CodeTables.h"
#include "hart/FrameReceiver.h"
#include "hart/HartMessage.h"
#include "hart/RequestBuilder.h"
#include "platform/locale/UserLocale.h"

namespace driver {

enum ResetStatus { rstNone, rstPolling, rstRepeating };
enum Modem { mRQ20, mRQ10 };

constexpr int kRegistrySize = 65;  // polling addresses 0..64
// A slave answers within this time; a transaction stopped by another master's traffic retries
// when the line has stayed quiet this long plus the role's poll interval.
constexpr int kSlaveTimeout = 256;
// Other masters' frames hold a send or retry back by at most this long beyond the moment it was
// planned for, so that every transaction ends however busy the line is (docs/halvane.md).
constexpr int kMaxHoldBack = 1000;

class LinkEngine {
  public:
    struct Seams {
        EngineClock& clock;
        EngineTimer& timer1;
        MessagePump& pump;
        LinkPort& port;
        LinkView& view;
    };

    LinkEngine(Seams seams, const hart::CodeTables& tables);
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // The send/retry tick.
    void Timer1Timer();
    // A batch of received bytes, in order, each byte once.
    void scComm1AfterReceive(std::span<const std::uint8_t> buffer);
    // The port reported a line or write error: the frame in progress is not taken.
    void scComm1CommError();
    void DropReceived(std::size_t n) { m_receiver.DropReceived(n); }

    // Builds msg into the request buffer with the engine's tables, locale and precision, and
    // applies the generic command's poll intervals.
    void buildRequest(hart::HartMessage& message);
    bool RequestError() const { return m_builder.RequestError; }
    void setRequestError(bool on) { m_builder.RequestError = on; }
    std::span<const std::uint8_t> requestFrame() const { return m_builder.frame(); }

    // Starts the send/retry tick of a transaction the command-line parser has built.
    void startTimer1();
    int rolePollInterval() const;
    const hart::FrameReceiver& receiver() const { return m_receiver; }
    const platform::UserLocale& locale() const { return m_locale; }
    void setLocale(const platform::UserLocale& locale) { m_locale = locale; }

    // Transaction state, shared with the command interface and the window.
    hart::HartMessage msg;
    hart::HartMessage msgStore;
    std::array<hart::UniqueIdentifier, kRegistrySize> registr{};
    ResetStatus rs = rstNone;
    int NmbrSendTry = 0;
    Modem mType = mRQ10;
    bool Sending = false;
    bool Busy = false;
    int Regaddr = 0;  // polling address of the current command; above 64 only when refused
    int FloatPrecision = 6;
    int PrimaryPollInterval = hart::kPrimaryPollInterval;
    int SecondaryPollInterval = hart::kSecondaryPollInterval;
    int TurnaroundInterval = 75;

    // Window counters: sent frames, receive events, delivered replies; Tx and Rx indicators.
    int Label1 = 1;
    int Label9 = 0;
    int Label14 = 1;
    bool txShown = false;
    bool rxShown = false;

  private:
    hart::CoreContext context() const;
    void restorePollIntervals();
    // The tick is planned `ms` from now; frames heard may hold it back until the deadline.
    void planTick(int ms);
    // A frame heard asks for the tick `ms` from now: granted up to the deadline.
    void holdBackTick(int ms);
    void endTransaction(std::string_view text);
    void sendFrame();
    void sendFailed();
    void scComm1AfterSend();
    void useFrame(const hart::ReceivedFrame& frame);
    void acceptFrame(const hart::ReceivedFrame& frame);

    Seams m_seams;
    const hart::CodeTables& m_tables;
    platform::UserLocale m_locale;
    hart::RequestBuilder m_builder;
    hart::FrameReceiver m_receiver;
    // The command and data of the request last built: replies are checked against these, since
    // every frame heard overwrites msg.Data.
    hart::HartMessage m_request;
    std::uint64_t m_tickDeadline = 0;  // the latest the pending send or retry may come
    std::uint64_t m_sendDeadline = 0;  // SendDeadline
    std::uint64_t m_txEndTime = 0;     // TxEndTime
};

}  // namespace driver
