#include "logger/core/MonitorRecord.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace logger {

bool appendToExistingFile(const std::filesystem::path& file, const QByteArray& bytes) {
    int fd;
    do {
        fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            ok = false;
            break;
        }
        data += written;
        left -= written;
    }
    return ::close(fd) == 0 && ok;
}

MonitorRecord::MonitorRecord(RecordPane& pane, const MonitorSettings& settings,
                             MessageBoxes& messages, const MonitorTexts& texts)
    : m_pane(pane), m_settings(settings), m_messages(messages), m_texts(texts) {}

void MonitorRecord::addToPane(const QString& line) {
    if (m_pane.lineCount() >= kRecordPaneLines) m_pane.deleteFirstLine();
    m_pane.appendLine(line);
}

void MonitorRecord::AddRecordLine(const QString& line) {
    addToPane(line);
    if (!m_settings.writeToFile) return;
    if (!appendToExistingFile(m_settings.logFile, line.toLocal8Bit() + "\r\n"))
        addToPane(m_texts.cannotSaveToFile);
}

bool MonitorRecord::PrepareLogFile() {
    if (!m_settings.writeToFile) return true;
    const std::filesystem::path& file = m_settings.logFile;
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    if (exists && m_settings.logFileMode == LogFileMode::Rewrite &&
        m_messages.show(MessageKind::Warning, m_texts.fileExists, MessageButtons::YesNoCancel) !=
            MessageAnswer::Yes)
        return false;
    if (!exists) {
        const std::filesystem::path folder = file.parent_path();
        if (!folder.empty() && !std::filesystem::is_directory(folder, ec) &&
            !std::filesystem::create_directory(folder, ec)) {
            m_messages.show(MessageKind::Error, m_texts.cannotCreateDirectory, MessageButtons::Ok);
            return false;
        }
    }
    bool made;
    if (exists && m_settings.logFileMode == LogFileMode::Append) {
        made = appendToExistingFile(file, {});
    } else {
        std::ofstream created(file, std::ios::binary | std::ios::trunc);
        made = created.good();
        created.close();
        made = made && !created.fail();
    }
    if (!made) m_messages.show(MessageKind::Error, m_texts.cannotCreateLogFile, MessageButtons::Ok);
    return made;
}

}  // namespace logger
