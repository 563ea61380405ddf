#pragma once

// TscBaseIO: the generic device I/O component at the root of the serial component family. It
// holds the device handle, the receive buffer and dispatch, the subscriber list, the device list,
// the optional log, processing and terminal attachments, and the fatal-error policy.
//
// Events are public std::function members, named as the component publishes them; assign them
// on the main thread while the port is closed (or from inside an event handler). Each handler
// gets the component as its first argument. Properties are getter/setter pairs (`Active()`,
// `setActive(bool)`).
//
// Threads. Everything here is called from one thread, the owner's (the program's main thread):
// property writes, Active, the sends, the modem lines, the purges. The component's event
// processing runs
//   - on the main thread, one event at a time between the owner's own calls, when UseMainThread
//     is on and a MainThreadDispatcher is set (the driver's setting);
//   - otherwise on the component's message thread. Handlers may then call SendString, SendChar,
//     SendData, SetStateRTS, SetStateDTR, ModemSignals, ReadyForRead, NotYetSend and the purges
//     (they are safe against the main thread and against the port being shut down), but the
//     owner must not write properties, Active or ComPortNo while a handler may run.
// A handler may close or reopen the port; it must not destroy the component.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <shared_mutex>
#include <string>
#include <utility>
#include <vector>

#include "serial/MainThreadDispatcher.h"
#include "serial/SerialTypes.h"
#include "serial/TscAttachments.h"
#include "serial/TscDevice.h"
#include "serial/TscNotifyList.h"

namespace serial {

class TscBaseIO;

using TOnReceived =
    std::function<void(TscBaseIO& Com, const std::uint8_t* Buffer, std::uint32_t Received)>;
using TOnSent = std::function<void(TscBaseIO& Com)>;
using TOnTraceEvent = std::function<void(TscBaseIO& Com, TTraceStates Event)>;
using TOnCommErrorEvent =
    std::function<void(TscBaseIO& Com, std::uint32_t CommCode, std::uint32_t SysError,
                       TComStateFlags State, bool& flFlashBuffers)>;
using TOnFatalErrorEvent =
    std::function<void(TscBaseIO& Sender, std::uint32_t ErrorCode, std::uint32_t Detail,
                       const std::string& ErrorMsg, bool& RaiseException)>;
using TNotifyEvent = std::function<void(TscBaseIO& Sender)>;

// A copy of the device list: each name with its entry (the entries stay the component's).
using TscDeviceList = std::vector<std::pair<std::string, TscDevice*>>;

inline constexpr int kInvalidHandle = -1;

class TscBaseIO {
  public:
    TscBaseIO();
    // Derived classes run the close sequence in their destructors.
    virtual ~TscBaseIO();
    TscBaseIO(const TscBaseIO&) = delete;
    TscBaseIO& operator=(const TscBaseIO&) = delete;

    // Called with each batch of received bytes; Buffer is valid during the call only.
    TOnReceived OnAfterReceive;
    // The output has drained after a send (with tsTxEmpty in TraceStates).
    TOnSent OnAfterSend;
    // After the port closed (also when it was shut down because the port failed).
    TNotifyEvent OnClose;
    // After a handle was opened (not published; for attachments). Exceptions are swallowed.
    TNotifyEvent OnOpen;
    // Before a fatal error is shown or raised; clearing RaiseException suppresses both.
    TOnFatalErrorEvent OnFatalError;

    // Writing true opens the port (raising PortError when that fails), false closes it; nothing
    // happens when the value equals the present state. Reads true exactly when the port is open
    // (while loading: the value stored).
    bool Active() const;
    void setActive(bool value);

    bool UseMainThread() const { return m_useMainThread; }
    void setUseMainThread(bool value);

    // Where the event processing runs when UseMainThread is on; taken at each open.
    void setDispatcher(std::shared_ptr<MainThreadDispatcher> dispatcher);

    // Shows a fatal error's message to the user when it is not raised (an exception from an
    // event handler). The Qt programs show a message box; without a presenter the message goes to
    // the standard error stream, so that it is never lost.
    void setExceptionPresenter(std::function<void(const std::string&)> presenter);

    TscCustomLogFile* Log() const { return m_log; }
    void setLog(TscCustomLogFile* log) { m_log = log; }
    TscCustomDataProcessor* DataProcessor() const { return m_dataProcessor; }
    void setDataProcessor(TscCustomDataProcessor* processor) { m_dataProcessor = processor; }

    // An edit control used as a terminal. With TerminalUsage tuSend or tuBoth a character typed
    // into it is sent with SendChar and shown only when TerminalEcho is on; with tuReceive or
    // tuBoth received bytes are written into it (unless a processing stage handled them).
    // Attaching one detaches the one before; the component detaches its terminal when destroyed.
    TscTerminal* Terminal() const { return m_terminal; }
    void setTerminal(TscTerminal* terminal);
    TTerminalUsage TerminalUsage() const { return m_terminalUsage; }
    void setTerminalUsage(TTerminalUsage usage) { m_terminalUsage = usage; }
    bool TerminalEcho() const { return m_terminalEcho; }
    void setTerminalEcho(bool echo) { m_terminalEcho = echo; }
    // A character typed into the terminal: sends it when the usage says so. True when the
    // control should show it (typing as usual, or the echo), false when it is to be dropped.
    bool TerminalKeyTyped(std::uint8_t ch);

    // Opens the port on a descriptor opened elsewhere (the component then owns it): closes an
    // open port, and opens again taking that descriptor instead of opening by name. 0 and the
    // invalid handle are ignored. A failure raises as an open does.
    void SetExtHandle(int aHandle);

    // While the owner applies its stored settings, Active is only stored; Loaded() applies it.
    void BeginLoading() { m_loading = true; }
    void Loaded();
    bool Loading() const { return m_loading; }

    std::uint32_t TotalSent() const { return m_totalSent.load(); }
    std::uint32_t TotalReceived() const { return m_totalReceived.load(); }
    // The message of the last failed open.
    const std::string& LastErrorString() const { return m_lastErrorString; }

    // The device list (port discovery fills it; empty until then).
    int DeviceCount() const { return static_cast<int>(m_devices.size()); }
    TscDevice* GetDevice(int index) const;
    int IndexOfDevice(const TscDevice* device) const;
    int DeviceIndex() const { return GetDeviceIndex(); }

    // Overridable operations.
    virtual bool IsOpen() const { return m_handle.load() != kInvalidHandle; }
    virtual int OpenDeviceHandle() { return kInvalidHandle; }
    virtual void CloseDeviceHandle();
    virtual bool HasReceiver() const;
    virtual void DoOpen();
    virtual void DoClose();
    virtual void StartThreads() {}
    virtual void StopThreads() {}
    virtual void ThreadExecute() {}
    // Error code, detail and message of a failure; shown (ShowOnly) or raised as PortError
    // unless OnFatalError clears RaiseException or the owner is loading.
    virtual void DoFatalError(std::uint32_t ErrorCode, std::uint32_t Detail, const std::string& Msg,
                              bool ShowOnly);
    virtual void DoNotify(int Code);
    virtual void DoReceived(const std::uint8_t* Buffer, std::uint32_t Count);
    virtual void DoAfterSend();
    virtual void SetDeviceIndex(int Value);
    virtual int GetDeviceIndex() const = 0;
    virtual void AddDevice(const std::string& Name, std::unique_ptr<TscDevice> Device);
    // In order of the entries' Data; an entry whose Data is listed already is not added.
    virtual void InsertDevice(std::unique_ptr<TscDevice> Device);
    virtual void DeviceListLoad() = 0;
    virtual void ClearDeviceList();
    virtual void TerminalWrite(const std::uint8_t* Buffer, std::uint32_t Count);
    virtual void Update() {}
    virtual bool NotifyAdd(const void* Key, TscNotifyEvent Event);
    virtual bool NotifyDelete(const void* Key);
    virtual void SendChar(std::uint8_t Ch) = 0;
    virtual void SendString(const std::string& S) = 0;
    virtual void SendData(const std::uint8_t* Buff, std::uint32_t N) = 0;
    virtual void ClearDeviceInput() = 0;
    virtual void ClearDeviceOutput() = 0;
    virtual void ClearDeviceBuffers() = 0;
    virtual void GetDeviceList(TscDeviceList* L);
    // What the program's device monitor saw (kDeviceNodesChanged, kDeviceArrived,
    // kDeviceRemoved, with the device type): reloads the device list (Update, which tells the
    // subscribers code 3) for a change of nodes, and for an arrival or removal of a port (device
    // type kDeviceTypePort). True when the list was reloaded.
    virtual bool WMDeviceChange(std::uint32_t Event, std::uint32_t DeviceType);

  protected:
    // A trace line / a formatted line to the log sink, when one is attached.
    void log(int level, const std::string& text);
    void logFmt(int level, const std::string& format, const std::vector<TscLogArg>& args);
    // Shows a message through the presenter.
    void present(const std::string& message);
    // UseMainThread was written (the threads of an open port follow it).
    virtual void useMainThreadChanged() {}

    // The handle guard: operations that use the handle hold it shared; closing holds it alone,
    // so the handle is never closed under an operation that is using it.
    std::shared_lock<std::shared_mutex> useHandle() const {
        return std::shared_lock(m_handleMutex);
    }
    // Opening, or closing, counts a new session: event processing that outlives its port (a
    // handler closed or reopened it) sees the change and stops.
    std::uint64_t session() const { return m_session.load(); }

    std::atomic<int> m_handle{kInvalidHandle};
    mutable std::shared_mutex m_handleMutex;
    std::atomic<std::uint64_t> m_session{0};
    int m_extHandle = kInvalidHandle;  // handed in from outside; used by the next open
    int m_openSystemError = 0;         // errno of the last failed OpenDeviceHandle
    int m_fatalSystemError = 0;        // errno carried by the PortError a fatal error raises

    bool m_activeStored = false;  // Active while loading
    bool m_loading = false;
    bool m_useMainThread = true;
    std::shared_ptr<MainThreadDispatcher> m_dispatcher;
    std::function<void(const std::string&)> m_presenter;

    std::atomic<std::uint32_t> m_totalSent{0};
    std::atomic<std::uint32_t> m_totalReceived{0};
    std::string m_lastErrorString;
    std::string m_logPrefix = "scComm: ";

    // Allocated at open, freed at close; processing keeps its own reference while it runs, so a
    // handler that closes the port does not free the bytes it was handed.
    std::shared_ptr<std::vector<std::uint8_t>> m_receiveBuffer;

    TscNotifyList m_notifyList;
    std::vector<std::pair<std::string, std::unique_ptr<TscDevice>>> m_devices;
    TscCustomLogFile* m_log = nullptr;
    TscCustomDataProcessor* m_dataProcessor = nullptr;
    TscTerminal* m_terminal = nullptr;
    TTerminalUsage m_terminalUsage = tuNone;
    bool m_terminalEcho = false;
    bool m_terminalWriting = false;  // received bytes are being written: typing is not sent
};

}  // namespace serial
