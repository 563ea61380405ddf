#pragma once

// TscCustomComm: a serial port. The line record (DCB), the event mask, the event and message
// threads, the byte counters, the line and write error events, the modem-control lines and the
// purges. See TscBaseIO.h for the threads each call may run on.
//
// On POSIX the port is a terminal device in raw mode. Line settings the port cannot take are
// ignored, as a failed line-setting call is; a pseudo-terminal takes every setting but keeps no
// parity and has no modem lines (ModemSignals is then empty, SetStateRTS/SetStateDTR change
// nothing). Line errors come from the port driver's error counters: an increase between two
// status queries is reported once.

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "serial/CommThreads.h"
#include "serial/Dcb.h"
#include "serial/LineControl.h"
#include "serial/PortConfigDialog.h"
#include "serial/TscBaseIO.h"

namespace serial {

class TscCustomComm : public TscBaseIO {
  public:
    TscCustomComm();
    ~TscCustomComm() override;

    // Line errors (CommCode = error bits, SysError 0, State = hold flags) and failed writes
    // (CommCode 0, SysError = the system error code). Setting flFlashBuffers purges both queues.
    TOnCommErrorEvent OnCommError;
    // Port events asked for by TraceStates, and RTS/DTR changes ([tsCTS] / [tsDSR]), and
    // [tsTxEmpty] at the end of every close sequence.
    TOnTraceEvent OnTraceState;

    // Modem status indicators: each is told the present state of its line at every monitor
    // refresh (MonitorRing only ever set, when a ring was traced).
    std::function<void(bool)> MonitorCTS, MonitorDSR, MonitorRLSD, MonitorRing;

    // Line settings (stored in the DCB; applied at once when the port is open).
    std::uint32_t BaudRate() const { return m_config.dcb.BaudRate; }
    void setBaudRate(std::uint32_t value);
    TParity Parity() const { return static_cast<TParity>(m_config.dcb.Parity); }
    // Parity is checked (and its errors reported) for every value but pNone.
    void setParity(TParity value);
    TStopBits StopBits() const { return static_cast<TStopBits>(m_config.dcb.StopBits); }
    void setStopBits(TStopBits value);
    std::uint8_t ByteSize() const { return m_config.dcb.ByteSize; }
    // A value outside 4..8 is stored as 8.
    void setByteSize(std::uint8_t value);
    virtual std::uint8_t EventChar() const { return m_config.dcb.EvtChar; }
    virtual void setEventChar(std::uint8_t value);
    TStreamProtocol StreamProtocol() const { return m_protocol; }
    void setStreamProtocol(TStreamProtocol value);
    // RTS high while sending (switched by the component), low when the output has drained.
    bool RS485Mode() const { return m_rs485Mode; }
    void setRS485Mode(bool value);

    // Queue sizes asked for at open. The receive buffer holds max(BufferInSize, 8192) bytes.
    std::uint16_t BufferInSize() const { return m_bufferInSize; }
    void setBufferInSize(std::uint16_t value);
    std::uint16_t BufferOutSize() const { return m_bufferOutSize; }
    void setBufferOutSize(std::uint16_t value) { m_bufferOutSize = value; }

    // Read-interval time-out (ends a Read when that many ms pass between two bytes; 0: none)
    // and total write time-out: a send not accepted within TimeoutWrite ms (0: no limit) fails
    // with ETIMEDOUT.
    std::uint32_t TimeoutRead() const { return m_timeouts.ReadIntervalTimeout; }
    void setTimeoutRead(std::uint32_t ms) { m_timeouts.ReadIntervalTimeout = ms; }
    std::uint32_t TimeoutWrite() const { return m_timeouts.WriteTotalTimeoutConstant; }
    void setTimeoutWrite(std::uint32_t ms) { m_timeouts.WriteTotalTimeoutConstant = ms; }

    // The port events to report besides received bytes (see ComposeEventMask).
    TTraceStates TraceStates() const { return m_traceStates; }
    void setTraceStates(TTraceStates value);

    // The present CTS, DSR, RING and RLSD; empty when closed or when the port cannot tell.
    TModemSignals ModemSignals() const;
    // Switch RTS / DTR when open, then refresh the monitors and call OnTraceState with [tsCTS]
    // / [tsDSR]. Nothing at all when closed.
    void SetStateRTS(bool State);
    void SetStateDTR(bool State);

    // Bytes waiting in the input queue / not yet sent; 0 when closed or unknown.
    std::uint32_t ReadyForRead() const;
    std::uint32_t NotYetSend() const;

    // The line record and its configuration (the DCB with the driver's layout).
    const COMMCONFIG& CommCfg() const { return m_config; }
    const DCB& Dcb() const { return m_config.dcb; }
    const COMMTIMEOUTS& CommTimeouts() const { return m_timeouts; }

    // The modem-line and error-counter calls; the system's unless a test puts a fake here.
    // Taken at each open.
    void setLineControl(std::shared_ptr<LineControl> lines);

    // Sends: each blocks until every byte has been handed to the port. Nothing happens when the
    // port is closed or there is nothing to send. A failure goes to OnCommError.
    void SendChar(std::uint8_t Ch) override;
    void SendString(const std::string& S) override;
    void SendData(const std::uint8_t* Buff, std::uint32_t N) override;
    // Purges (nothing when closed): input not yet read, output not yet sent, both.
    void ClearDeviceInput() override;
    void ClearDeviceOutput() override;
    void ClearDeviceBuffers() override;

    // The port name used in messages.
    virtual std::string DeviceName() const { return "Unknown"; }

    // ---- for programs that read and wait themselves instead of using OnAfterReceive ----------
    // Main thread. Do not read while the event processing reads too (a receiver attached, or
    // tsRxChar traced): each byte goes to one of them.

    // Reads Len bytes, waiting until they have come; returns the count read, which is less when
    // the port hangs up or, with TimeoutRead not 0, when that many ms pass between two bytes.
    // Without TimeoutRead a read of more bytes than ever come waits until the port hangs up.
    std::uint32_t Read(std::uint8_t* Buffer, std::uint32_t Len);
    // The bytes waiting (Buffer is resized to them), at most Max of them, or all as a byte
    // string. None of these waits.
    std::uint32_t ReadAll(std::vector<std::uint8_t>& Buffer);
    std::uint32_t ReadMax(std::uint8_t* Buffer, std::uint32_t Max);
    std::string ReadString();
    // Waits until Count bytes are waiting; false at once when closed, after more than Ms ms, or
    // when the port closes. tsRxChar is left out of the trace states meanwhile, and received
    // bytes stay waiting for the caller (no receiver gets them). Between looks the main thread
    // runs what is waiting for it (MainThreadDispatcher::processPending).
    bool WaitForBytes(std::uint32_t Count, std::uint32_t Ms);
    // Waits in the same way until the modem signal with ordinal Signal (TModemSignal) is on;
    // ordinals above msRLSD are never on.
    bool WaitForSignal(unsigned Signal, std::uint32_t Ms);

    // ---- further line operations (nothing when closed) ----------------------------------------
    // Sends one byte at once, without a trace line. POSIX ports keep no queue to put it ahead of:
    // it follows what is already in the output queue.
    void SendAheadChar(std::uint8_t Ch);
    // Waits until everything in the output queue has left the port.
    void FlushOutputBuffer();
    // As if XON (true: output resumes) or XOFF (false: output stops) had been received.
    void SetStateX(bool State);
    // Starts (true) or ends (false) a break on the line.
    void SetStateBreak(bool State);
    // What the port can do and its queue sizes; refreshed when open.
    const COMMPROP& CommProp();

    // The port's configuration dialog: re-reads the line settings from the open port (and with
    // them StreamProtocol and RS485Mode), shows the dialog set by setConfigDialog and, on OK,
    // takes the settings chosen (applied at once when open). False on Cancel or without a dialog.
    bool ConfigDialog();
    void setConfigDialog(TPortConfigDialog dialog) { m_configDialog = std::move(dialog); }

  protected:
    void DoOpen() override;
    void DoClose() override;
    void StartThreads() override;
    void StopThreads() override;
    void useMainThreadChanged() override;

    // Makes dcb the line record (with its flow-control part recomposed from StreamProtocol and
    // RS485Mode when asked) and writes it to the open port.
    void setLineRecord(const DCB& dcb, bool recompose);
    void setCommTimeouts(const COMMTIMEOUTS& timeouts) { m_timeouts = timeouts; }

    // Clears the error state, takes the queue sizes and time-outs, sets raw mode and the DCB.
    virtual void ApplySettings();
    virtual void DoCommError(std::uint32_t CommCode, std::uint32_t SysError, TComStateFlags State);

    // The event processing of one event mask (on the main thread under UseMainThread).
    EventOutcome ProcessCommEvent(std::uint32_t events);

    // Filled by every status query of the event processing: the bytes waiting (cbInQue); the
    // output queue is not asked for there (NotYetSend asks).
    COMSTAT m_stat;

  private:
    struct StatusQuery {
        bool ok = false;
        std::uint32_t errors = 0;
    };
    StatusQuery queryErrorAndStatus();
    EventOutcome processNotice(const CommNotice& notice);
    // The port failed under the event thread: shut down without purge and without a log line.
    void shutDownAfterFailure();
    void reportOpenFailure(const std::string& reason, int systemError);
    void closeSequence(bool purge, bool logLine);

    void composeDcb();  // after every line-property write
    void writeDcbToPort(bool makeRaw);
    void writeEventMask();
    void switchLine(unsigned line, bool on);
    bool softwareRs485() const { return m_rs485Mode && m_isNotSupportRS485; }
    void writeBytes(const std::uint8_t* data, std::size_t size);
    void purge(std::uint32_t flags);
    void refreshMonitors(TTraceStates trace);
    // The main thread's pending work while one of its waits loops (see WaitForBytes).
    void letMainThreadRun();
    void rederiveFlowChoices();

  protected:
    // While set, the event processing leaves received bytes in the input queue for the owner's
    // direct reads (WaitForBytes, the identification exchange), whoever else is attached.
    std::atomic<bool> m_holdReceived{false};

  private:
    COMMCONFIG m_config;
    COMMTIMEOUTS m_timeouts;
    TStreamProtocol m_protocol = spHardware;
    bool m_rs485Mode = false;
    // No RTS toggle by the port driver here: the component switches RTS itself for RS485.
    bool m_isNotSupportRS485 = true;
    std::uint16_t m_bufferInSize = 8192;
    std::uint16_t m_bufferOutSize = 8192;
    TTraceStates m_traceStates;
    std::atomic<std::uint32_t> m_eventMask{kEvRxChar};

    std::shared_ptr<LineControl> m_lineControl;  // as set
    std::shared_ptr<LineControl> m_lines;        // the open port's
    std::optional<LineCounters> m_countersBaseline;

    COMMPROP m_commProp;
    TPortConfigDialog m_configDialog;
    std::thread::id m_ownerThread = std::this_thread::get_id();

    std::shared_ptr<CommLink> m_link;
    std::unique_ptr<TCommThread> m_commThread;
    std::unique_ptr<TMsgThread> m_msgThread;
};

}  // namespace serial
