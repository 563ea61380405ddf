#include "serial/TscCustomComm.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>

#include "serial/SerialError.h"
#include "serial/posix/PortDevice.h"

namespace serial {

namespace {

constexpr std::size_t kMinReceiveBuffer = 8192;

}  // namespace

TscCustomComm::TscCustomComm() {
    // There is no system default configuration to start from: the flags a composition keeps
    // start clear. Then the construction values of the properties.
    DCB& dcb = m_config.dcb;
    dcb.BaudRate = 19200;
    dcb.Parity = pNone;
    dcb.StopBits = sbOne;
    dcb.ByteSize = 8;
    dcb.EvtChar = 0;
    m_protocol = spHardware;
    composeDcb();
    m_eventMask = ComposeEventMask(m_traceStates, softwareRs485());
}

TscCustomComm::~TscCustomComm() {
    m_dataProcessor = nullptr;
    OnTraceState = nullptr;
    try {
        closeSequence(true, true);
    } catch (...) {  // a destructor reports nothing
    }
}

// ---- line settings -----------------------------------------------------------------------------

void TscCustomComm::setBaudRate(std::uint32_t value) {
    m_config.dcb.BaudRate = value;
    composeDcb();
}

void TscCustomComm::setParity(TParity value) {
    m_config.dcb.Parity = value;
    if (value == pNone) {
        m_config.dcb.Flags &= ~kDcbParity;
    } else {
        m_config.dcb.Flags |= kDcbParity;
    }
    composeDcb();
}

void TscCustomComm::setStopBits(TStopBits value) {
    m_config.dcb.StopBits = value;
    composeDcb();
}

void TscCustomComm::setByteSize(std::uint8_t value) {
    m_config.dcb.ByteSize = (value < 4 || value > 8) ? 8 : value;
    composeDcb();
}

void TscCustomComm::setEventChar(std::uint8_t value) {
    m_config.dcb.EvtChar = value;
    composeDcb();
}

void TscCustomComm::setStreamProtocol(TStreamProtocol value) {
    m_protocol = value;
    composeDcb();
}

void TscCustomComm::setRS485Mode(bool value) {
    m_rs485Mode = value;
    composeDcb();
    writeEventMask();
}

void TscCustomComm::setBufferInSize(std::uint16_t value) {
    m_bufferInSize = value;
    // The port driver's queues have fixed sizes here; the size still sets the receive buffer at
    // the next open and the 80 % mark of the input queue.
    if (m_link) m_link->inputQueueSize = value;
}

void TscCustomComm::setTraceStates(TTraceStates value) {
    m_traceStates = value;
    writeEventMask();
}

void TscCustomComm::setLineControl(std::shared_ptr<LineControl> lines) {
    m_lineControl = std::move(lines);
}

void TscCustomComm::setLineRecord(const DCB& dcb, bool recompose) {
    m_config.dcb = dcb;
    if (recompose) {
        composeDcb();
    } else if (IsOpen()) {
        writeDcbToPort(false);
    }
}

void TscCustomComm::composeDcb() {
    ComposeDcb(m_config.dcb, m_protocol, m_rs485Mode);
    if (IsOpen()) writeDcbToPort(false);
}

void TscCustomComm::writeDcbToPort(bool makeRaw) {
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd == kInvalidHandle) return;
    if (!posix::ApplyLineSettings(fd, m_config.dcb, makeRaw)) return;
    // DTR and RTS follow their control fields at every write of the line record: enable and
    // handshake raise them; RTS in toggle mode stays low until a send.
    const std::uint32_t dtr = m_config.dcb.Flags & kDcbDtrControlMask;
    const std::uint32_t rts = m_config.dcb.Flags & kDcbRtsControlMask;
    m_lines->switchLines(fd, kLineDtr, dtr != 0);
    m_lines->switchLines(fd, kLineRts, rts != 0 && rts != kDcbRtsControlToggle);
    if (m_link) m_link->baudRate = m_config.dcb.BaudRate;
}

void TscCustomComm::writeEventMask() {
    m_eventMask = ComposeEventMask(m_traceStates, softwareRs485());
    if (m_link) {
        m_link->eventMask = m_eventMask.load();
        m_link->wake.wake();
    }
}

void TscCustomComm::useMainThreadChanged() {
    if (m_link) m_link->useMainThread = m_useMainThread;
}

// ---- modem lines, queues, purges ---------------------------------------------------------------

TModemSignals TscCustomComm::ModemSignals() const {
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd == kInvalidHandle) return {};
    const auto lines = m_lines->readLines(fd);
    if (!lines) return {};
    TModemSignals signals;
    if (*lines & kLineCts) signals.insert(msCTS);
    if (*lines & kLineDsr) signals.insert(msDSR);
    if (*lines & kLineRing) signals.insert(msRing);
    if (*lines & kLineCarrier) signals.insert(msRLSD);
    return signals;
}

void TscCustomComm::switchLine(unsigned line, bool on) {
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd != kInvalidHandle) m_lines->switchLines(fd, line, on);
}

void TscCustomComm::SetStateRTS(bool State) {
    if (!IsOpen()) return;
    switchLine(kLineRts, State);
    refreshMonitors({tsCTS});
    if (OnTraceState) OnTraceState(*this, {tsCTS});
}

void TscCustomComm::SetStateDTR(bool State) {
    if (!IsOpen()) return;
    switchLine(kLineDtr, State);
    refreshMonitors({tsDSR});
    if (OnTraceState) OnTraceState(*this, {tsDSR});
}

std::uint32_t TscCustomComm::ReadyForRead() const {
    auto lock = useHandle();
    const int fd = m_handle.load();
    return fd == kInvalidHandle ? 0 : posix::InputQueueCount(fd).value_or(0);
}

std::uint32_t TscCustomComm::NotYetSend() const {
    auto lock = useHandle();
    const int fd = m_handle.load();
    return fd == kInvalidHandle ? 0 : posix::OutputQueueCount(fd).value_or(0);
}

void TscCustomComm::purge(std::uint32_t flags) {
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd != kInvalidHandle) (void)posix::Purge(fd, flags);
}

void TscCustomComm::ClearDeviceInput() {
    if (!IsOpen()) return;
    purge(kPurgeRxAbort | kPurgeRxClear);
}

void TscCustomComm::ClearDeviceOutput() {
    if (!IsOpen()) return;
    purge(kPurgeTxAbort | kPurgeTxClear);
    if (softwareRs485()) switchLine(kLineRts, false);
}

void TscCustomComm::ClearDeviceBuffers() {
    if (!IsOpen()) return;
    // No I/O is left pending to cancel: every send returns only when its bytes are handed over.
    purge(kPurgeTxAbort | kPurgeRxAbort | kPurgeTxClear | kPurgeRxClear);
    if (softwareRs485()) switchLine(kLineRts, false);
}

void TscCustomComm::refreshMonitors(TTraceStates trace) {
    if (!MonitorCTS && !MonitorDSR && !MonitorRLSD && !MonitorRing) return;
    const TModemSignals signals = ModemSignals();
    if (MonitorCTS) MonitorCTS(signals.contains(msCTS));
    if (MonitorDSR) MonitorDSR(signals.contains(msDSR));
    if (MonitorRLSD) MonitorRLSD(signals.contains(msRLSD));
    if (MonitorRing && trace.contains(tsRing)) MonitorRing(true);
}

// ---- sends -------------------------------------------------------------------------------------

void TscCustomComm::writeBytes(const std::uint8_t* data, std::size_t size) {
    if (softwareRs485()) switchLine(kLineRts, true);
    posix::WriteResult result;
    {
        auto lock = useHandle();
        const int fd = m_handle.load();
        if (fd == kInvalidHandle) return;
        result = posix::WriteAll(fd, data, size, m_timeouts.WriteTotalTimeoutConstant);
        if (result.error == 0 && m_link && (m_eventMask.load() & kEvTxEmpty)) {
            m_link->txPending = true;
            m_link->wake.wake();
        }
    }
    if (result.error != 0) {
        DoCommError(0, static_cast<std::uint32_t>(result.error), {});
        return;
    }
    m_totalSent += static_cast<std::uint32_t>(size);
}

void TscCustomComm::SendString(const std::string& S) {
    if (!IsOpen() || S.empty()) return;
    logFmt(2, "Try to send string %s ...", {S});
    writeBytes(reinterpret_cast<const std::uint8_t*>(S.data()), S.size());
}

void TscCustomComm::SendChar(std::uint8_t Ch) {
    if (!IsOpen()) return;
    logFmt(2, "Try to send char %2Xh ...", {std::uint64_t{Ch}});
    writeBytes(&Ch, 1);
}

void TscCustomComm::SendData(const std::uint8_t* Buff, std::uint32_t N) {
    if (!IsOpen() || N == 0) return;
    logFmt(2, "Try to send the data with %d length ...", {std::int64_t{N}});
    const std::uint32_t before = m_totalSent.load();
    writeBytes(Buff, N);
    if (m_totalSent.load() != before) log(2, "... the data transmittion is OK!");
}

// ---- open and close ----------------------------------------------------------------------------

// The open-failure message, kept in LastErrorString and raised through DoFatalError (which
// throws unless an OnFatalError handler says not to) with the system error attached.
void TscCustomComm::reportOpenFailure(const std::string& reason, int systemError) {
    const std::string message = "Device \"" + DeviceName() + "\" Open Error !!!\r" + reason;
    m_lastErrorString = message;
    m_fatalSystemError = systemError;
    try {
        DoFatalError(1, 0, message, false);
    } catch (...) {
        m_fatalSystemError = 0;
        throw;
    }
    m_fatalSystemError = 0;
}

void TscCustomComm::DoOpen() {
    DoClose();
    m_totalReceived = 0;
    m_totalSent = 0;

    m_lines = m_lineControl ? m_lineControl : systemLineControl();
    const int fd = OpenDeviceHandle();
    if (fd != kInvalidHandle) {
        {
            std::unique_lock lock(m_handleMutex);
            m_handle = fd;
            ++m_session;
        }
        if (OnOpen) {
            try {
                OnOpen(*this);
            } catch (...) {  // an attachment's trouble does not stop the open
            }
        }
    }
    if (fd == kInvalidHandle) {
        reportOpenFailure(SystemErrorText(m_openSystemError), m_openSystemError);
        return;
    }

    m_receiveBuffer = std::make_shared<std::vector<std::uint8_t>>(
        std::max<std::size_t>(m_bufferInSize, kMinReceiveBuffer), std::uint8_t{0});
    logFmt(0, "The port %s is opened succesfully", {DeviceName()});
    ApplySettings();
    writeEventMask();
    try {
        StartThreads();
    } catch (const std::exception& e) {
        // No threads (the system is out of threads or descriptors): the port cannot work.
        const int error = errno;
        closeSequence(false, false);
        reportOpenFailure(e.what(), error);
        return;
    }
    DoNotify(kNotifyOpened);
}

void TscCustomComm::ApplySettings() {
    {
        // Clearing the error state: errors counted before the open are not reported.
        auto lock = useHandle();
        const int fd = m_handle.load();
        if (fd == kInvalidHandle) return;
        m_countersBaseline = m_lines->readCounters(fd);
    }
    // The queue sizes are the port driver's own here, and reads only ever take bytes that are
    // waiting: BufferInSize/BufferOutSize and the read time-out need no call to the port.
    writeDcbToPort(true);
}

void TscCustomComm::StartThreads() {
    if (!m_link) {
        m_link = std::make_shared<CommLink>(
            m_eventMask.load(), m_config.dcb.BaudRate, m_bufferInSize, m_useMainThread,
            [this](const CommNotice& notice) { return processNotice(notice); }, m_dispatcher);
    }
    if (!m_msgThread) m_msgThread = std::make_unique<TMsgThread>(m_link);
    if (!m_commThread) {
        m_commThread = std::make_unique<TCommThread>(m_handle.load(), m_link, m_lines);
    }
}

void TscCustomComm::StopThreads() {
    if (m_link) m_link->terminate();
    if (m_commThread) {
        m_commThread->join();
        m_commThread.reset();
    }
    if (m_msgThread) {
        m_msgThread->joinOrRelease();
        m_msgThread.reset();
    }
    std::unique_lock lock(m_handleMutex);
    m_link.reset();
}

void TscCustomComm::closeSequence(bool purgeOutput, bool logLine) {
    if (!IsOpen()) return;
    try {
        StopThreads();
        if (purgeOutput && NotYetSend() > 0) ClearDeviceBuffers();
        m_receiveBuffer.reset();
        CloseDeviceHandle();
        DoNotify(kNotifyClosed);
        if (logLine) log(0, "The port is closed succesfully");
    } catch (...) {
        // A subscriber or the log failed: the port is closed all the same.
        CloseDeviceHandle();
    }
}

void TscCustomComm::DoClose() {
    closeSequence(true, true);
    refreshMonitors({tsTxEmpty});
    if (OnTraceState) OnTraceState(*this, {tsTxEmpty});
}

void TscCustomComm::shutDownAfterFailure() {
    closeSequence(false, false);
}

// ---- event processing --------------------------------------------------------------------------

TscCustomComm::StatusQuery TscCustomComm::queryErrorAndStatus() {
    auto lock = useHandle();
    const int fd = m_handle.load();
    m_stat = COMSTAT{};
    if (fd == kInvalidHandle) return {};
    // The input queue and the error counters only: the event processing needs no more, and a
    // receive event should cost as few calls to the port as it can. A port that kept no
    // counters at the open (a pseudo-terminal) is not asked again.
    const auto in = posix::InputQueueCount(fd);
    m_stat.cbInQue = in.value_or(0);
    StatusQuery query;
    query.ok = in.has_value();
    if (!m_countersBaseline) return query;
    if (auto counters = m_lines->readCounters(fd)) {
        query.errors =
            LineErrorBits(*m_countersBaseline, *counters, m_config.dcb.Flags & kDcbParity);
        m_countersBaseline = counters;
    }
    return query;
}

void TscCustomComm::DoCommError(std::uint32_t CommCode, std::uint32_t SysError,
                                TComStateFlags State) {
    if (softwareRs485()) switchLine(kLineRts, false);
    logFmt(1, "Communication Error %d:%d %X",
           {std::int64_t{CommCode}, std::int64_t{SysError}, std::uint64_t{State.bits()}});
    bool flash = false;
    if (OnCommError) OnCommError(*this, CommCode, SysError, State, flash);
    if (flash) ClearDeviceBuffers();
}

EventOutcome TscCustomComm::processNotice(const CommNotice& notice) {
    if (notice.kind == CommNotice::Kind::PortFailed) {
        try {
            shutDownAfterFailure();
        } catch (...) {  // the port is closed; nobody is waiting for an answer
        }
        return {};
    }
    return ProcessCommEvent(notice.events);
}

EventOutcome TscCustomComm::ProcessCommEvent(std::uint32_t events) {
    const std::uint64_t mySession = session();
    const auto buffer = m_receiveBuffer;  // stays valid even if a handler closes the port
    auto portGone = [&] { return session() != mySession; };
    auto stateFlags = [this] {
        return TComStateFlags::fromBits(static_cast<std::uint8_t>(m_stat.Flags & 0xFF));
    };
    EventOutcome outcome;
    try {
        const StatusQuery status = queryErrorAndStatus();
        if (status.errors != 0) {
            outcome = {EventOutcome::Left::AfterError, m_stat.cbInQue};
            DoCommError(status.errors, 0, stateFlags());
            return outcome;
        }
        TTraceStates trace = TraceStatesFromEvents(events);

        if ((events & kEvRxChar) && m_stat.cbInQue > 0) {
            if ((!m_traceStates.contains(tsRxChar) && !HasReceiver()) || m_holdReceived) {
                // Nobody reads (or the owner reads them itself): the bytes stay in the input
                // queue, counted at every event.
                m_totalReceived += m_stat.cbInQue;
                outcome = {EventOutcome::Left::Unread, m_stat.cbInQue};
            } else {
                while (m_stat.cbInQue > 0 && buffer) {
                    const std::size_t want = std::min<std::size_t>(m_stat.cbInQue, buffer->size());
                    long got = 0;
                    {
                        auto lock = useHandle();
                        const int fd = m_handle.load();
                        if (fd == kInvalidHandle) break;
                        got = posix::ReadWaiting(fd, buffer->data(), want);
                    }
                    if (got <= 0) break;
                    const auto count = static_cast<std::uint32_t>(got);
                    m_totalReceived += count;
                    if (m_traceStates.contains(tsRxFlag) &&
                        std::find(buffer->begin(), buffer->begin() + got, EventChar()) !=
                            buffer->begin() + got) {
                        trace.insert(tsRxFlag);
                    }
                    DoReceived(buffer->data(), count);
                    if (portGone()) return {};
                    // Everything the query saw has been read: bytes that came since are the
                    // next event's, which looks for line errors before it reads them.
                    if (count >= m_stat.cbInQue) break;
                    // More was waiting than the buffer holds. A line error counted meanwhile is
                    // reported now, and the bytes after it wait for the next event.
                    const StatusQuery again = queryErrorAndStatus();
                    if (again.errors != 0) {
                        outcome = {EventOutcome::Left::AfterError, m_stat.cbInQue};
                        DoCommError(again.errors, 0, stateFlags());
                        return outcome;
                    }
                }
            }
        }

        if (events & kEvTxEmpty) {
            if (softwareRs485()) switchLine(kLineRts, false);
            const bool claimed = m_dataProcessor && m_dataProcessor->DoAfterSendComplete();
            if (m_traceStates.contains(tsTxEmpty) && !claimed) DoAfterSend();
            if (portGone()) return {};
        }

        if (!trace.empty()) {
            refreshMonitors(trace);
            if (OnTraceState) OnTraceState(*this, trace);
        }
    } catch (const std::exception& e) {
        const int error = errno;
        try {
            DoFatalError(1, static_cast<std::uint32_t>(error), e.what(), true);
        } catch (...) {  // the fatal-error handler itself failed: nothing more can be said
        }
    } catch (...) {
        const int error = errno;
        try {
            DoFatalError(1, static_cast<std::uint32_t>(error),
                         "An event handler of the serial port raised an unknown exception", true);
        } catch (...) {
        }
    }
    return outcome;
}

}  // namespace serial
