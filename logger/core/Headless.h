#pragma once

// The seams of a run without a display ("Loopscribe START" where there is no screen): the record
// goes to a stream (standard output) beside the log file, message boxes are written to another
// stream (standard error) and answered as nobody's choice would be, and the windows that show
// state are not there.

#include <cstdio>

#include "logger/core/MessageBoxes.h"
#include "logger/core/Views.h"

namespace logger {

// Writes every record line to the stream in the user's locale character set, one line each.
class StreamRecordPane final : public RecordPane {
  public:
    explicit StreamRecordPane(std::FILE* stream) : m_stream(stream) {}
    int lineCount() const override { return m_lines; }
    void deleteFirstLine() override { --m_lines; }
    void appendLine(const QString& line) override;
    void clear() override { m_lines = 0; }

  private:
    std::FILE* m_stream;
    int m_lines = 0;
};

// Writes every box to the stream and answers OK, Abort to Abort/Retry and `answer` to Yes/No/
// Cancel (No by default, so that no file is emptied without a person's say).
class StreamMessageBoxes final : public MessageBoxes {
  public:
    explicit StreamMessageBoxes(std::FILE* stream, MessageAnswer answer = MessageAnswer::No)
        : m_stream(stream), m_answer(answer) {}
    MessageAnswer show(MessageKind kind, const QString& text, MessageButtons buttons) override;

  private:
    std::FILE* m_stream;
    MessageAnswer m_answer;
};

// The status bar, device header, tray animation and buttons of a window that is not there.
class HiddenWindows final : public StatusBar,
                            public DeviceHeader,
                            public TrayAnimation,
                            public MonitorButtons {
  public:
    void ShowStatus(const QString&) override {}
    void setCaptionsVisible(bool) override {}
    void setDistributor(const QString&) override {}
    void setModel(const QString&) override {}
    void setIdentifier(const QString&) override {}
    void start() override {}
    void stop() override {}
    void setStartEnabled(bool) override {}
    void setStopEnabled(bool) override {}
};

}  // namespace logger
