#pragma once

// The optional attachments of a serial component: a log sink, a processing stage and a terminal.
// The component calls each only when one is attached; the system implements no log sink and no
// processing stage (programs may), and the Qt terminal lives in serial/qt.
//
// An attachment is referenced, not owned: detach it (setLog(nullptr), setDataProcessor(nullptr),
// setTerminal(nullptr)) before it is destroyed. A component being destroyed detaches its
// terminal itself.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace serial {

class TscBaseIO;

// One argument of a formatted log line (printf conversions: %d %u %X %s).
using TscLogArg = std::variant<std::int64_t, std::uint64_t, std::string>;

// A log sink. The component writes its trace lines as AddLog(level, prefix + text) (an empty text
// calls AddSysInfo instead) and its formatted lines as AddLogFmt(level, prefix + format, args).
// Levels: 0 open, close and fatal errors; 1 line errors, configuration store, connection test;
// 2 transfer details. Called on the thread the component's call runs on.
class TscCustomLogFile {
  public:
    virtual ~TscCustomLogFile() = default;
    virtual void Save() = 0;
    virtual void Clear() = 0;
    virtual void Add(const std::string& text) = 0;
    virtual void AddSysInfo() = 0;
    virtual void AddLog(int level, const std::string& text) = 0;
    virtual void AddFmt(const std::string& format, const std::vector<TscLogArg>& args) = 0;
    virtual void AddLogFmt(int level, const std::string& format,
                           const std::vector<TscLogArg>& args) = 0;

    // The sink's own failures (a log file that cannot be written); clearing RaiseException
    // keeps the sink from raising.
    std::function<void(TscCustomLogFile& Sender, std::uint32_t ErrorCode, std::uint32_t Detail,
                       const std::string& ErrorMsg, bool& RaiseException)>
        OnFatalError;
};

// A processing stage: sees every received batch first and may mark it handled (the terminal then
// does not show it), passing it on to the next stage of its chain, and may claim the
// transmit-empty event. A stage that wants the component's open, close and change notices
// subscribes with NotifyAdd.
class TscCustomDataProcessor {
  public:
    virtual ~TscCustomDataProcessor() = default;
    virtual void DoProcessing(const std::uint8_t* data, std::uint32_t length, bool& handled) = 0;
    // True when the stage claims the transmit-empty event (OnAfterSend is then not called).
    virtual bool DoAfterSendComplete() = 0;
};

// An edit control used as a terminal (see TscBaseIO::setTerminal). Called on the main thread:
// attach a terminal only to a component whose events run there (UseMainThread with a dispatcher).
class TscTerminal {
  public:
    virtual ~TscTerminal() = default;
    // The component this terminal is attached to, or nullptr when it is detached: typed
    // characters go to TscBaseIO::TerminalKeyTyped of that component while attached, and the
    // control's own keyboard handling comes back when detached.
    virtual void TerminalAttached(TscBaseIO* component) = 0;
    // A received byte, as if it had been typed into the control.
    virtual void TypeChar(std::uint8_t ch) = 0;
    // Received one-byte text, inserted at the caret.
    virtual void InsertText(std::string_view text) = 0;
};

}  // namespace serial
