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

#include "serial/CommThreads.h"
#include "serial/Dcb.h"
#include "serial/LineControl.h"
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

    // Read-interval time-out (kept for the configuration store; reads here only ever take bytes
    // that are waiting) and total write time-out: a send not accepted within TimeoutWrite ms
    // (0: no limit) fails with ETIMEDOUT.
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

  protected:
    void DoOpen() override;
    void DoClose() override;
    void StartThreads() override;
    void StopThreads() override;
    void useMainThreadChanged() override;

    // Clears the error state, takes the queue sizes and time-outs, sets raw mode and the DCB.
    virtual void ApplySettings();
    virtual void DoCommError(std::uint32_t CommCode, std::uint32_t SysError, TComStateFlags State);

    // The event processing of one event mask (on the main thread under UseMainThread).
    EventOutcome ProcessCommEvent(std::uint32_t events);

    COMSTAT m_stat;  // filled by every status query of the event processing

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

    std::shared_ptr<CommLink> m_link;
    std::unique_ptr<TCommThread> m_commThread;
    std::unique_ptr<TMsgThread> m_msgThread;
};

}  // namespace serial
