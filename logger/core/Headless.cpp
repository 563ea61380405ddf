#include "logger/core/Headless.h"

namespace logger {

void StreamRecordPane::appendLine(const QString& line) {
    const QByteArray bytes = line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), m_stream);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
    ++m_lines;
}

MessageAnswer StreamMessageBoxes::show(MessageKind kind, const QString& text,
                                       MessageButtons buttons) {
    static constexpr const char* kKinds[] = {"",
                                             "Information: ", "Warning: ", "Error: ", "Question: "};
    MessageAnswer answer = MessageAnswer::Ok;
    const char* given = "";
    if (buttons == MessageButtons::AbortRetry) {
        answer = MessageAnswer::Abort;
        given = " (Abort)";
    } else if (buttons == MessageButtons::YesNoCancel) {
        answer = m_answer;
        given = answer == MessageAnswer::Yes  ? " (Yes)"
                : answer == MessageAnswer::No ? " (No)"
                                              : " (Cancel)";
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::fprintf(m_stream, "Loopscribe: %s%s%s\n", kKinds[static_cast<int>(kind)],
                 shown.toLocal8Bit().constData(), given);
    std::fflush(m_stream);
    return answer;
}

}  // namespace logger
