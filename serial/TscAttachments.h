#pragma once

// The optional attachments of a serial component: a log sink and a processing stage. Nothing in
// the system implements them yet; the component calls them only when one is attached.

#include <cstdint>
#include <string>

namespace serial {

class TscBaseIO;

// A log sink. The component writes its trace lines as AddLog(level, prefix + text), with level 0
// for open, close and fatal errors, 1 for line errors, 2 for transfer details. Formatted lines
// are formatted by the component before AddLog.
class TscCustomLogFile {
  public:
    virtual ~TscCustomLogFile() = default;
    virtual void Save() = 0;
    virtual void Clear() = 0;
    virtual void Add(const std::string& text) = 0;
    virtual void AddSysInfo() = 0;
    virtual void AddLog(int level, const std::string& text) = 0;
};

// A processing stage: sees every received batch first and may mark it handled, and may claim
// the transmit-empty event.
class TscCustomDataProcessor {
  public:
    virtual ~TscCustomDataProcessor() = default;
    virtual void DoProcessing(const std::uint8_t* data, std::uint32_t length, bool& handled) = 0;
    // True when the stage claims the transmit-empty event (OnAfterSend is then not called).
    virtual bool DoAfterSendComplete() = 0;
};

}  // namespace serial
