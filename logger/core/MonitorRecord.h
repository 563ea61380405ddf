#pragma once

// The monitor record: one stream of lines, shown in the record pane (at most 101 lines) and,
// when the settings say so, appended to the log file at once. The log file is opened and closed
// for every line, so it may be read, moved or deleted at any time; it is written in the user's
// locale character set with CR LF line ends.

#include <QString>

#include "logger/core/MessageBoxes.h"
#include "logger/core/MonitorSettings.h"
#include "logger/core/MonitorTexts.h"
#include "logger/core/Views.h"

namespace logger {

inline constexpr int kRecordPaneLines = 101;

class MonitorRecord {
  public:
    MonitorRecord(RecordPane& pane, const MonitorSettings& settings, MessageBoxes& messages,
                  const MonitorTexts& texts);

    // Appends the line to the pane and, when writing to a file is on, to the log file; a line
    // the file does not take is followed in the pane by "Cannot save to file!", and the run
    // goes on. Appending needs the file to exist (a deleted log file is not made again).
    void AddRecordLine(const QString& line);

    // At Start, when writing to a file is on: asks before a rewrite-mode file is emptied, makes
    // the file's folder (its last level only) and the file when missing. False, after the
    // message for it, when the run may not start.
    bool PrepareLogFile();

    // Empties the pane; the log file keeps every line.
    void clearPane() { m_pane.clear(); }

  private:
    void addToPane(const QString& line);

    RecordPane& m_pane;
    const MonitorSettings& m_settings;
    MessageBoxes& m_messages;
    const MonitorTexts& m_texts;
};

// Appends the bytes to an existing file, opening and closing it; false on any failure.
bool appendToExistingFile(const std::filesystem::path& file, const QByteArray& bytes);

}  // namespace logger
