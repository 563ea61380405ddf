#include "platform/program/ProgramStart.h"

#include <QFileInfo>
#include <cstdlib>

namespace platform {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString helpText(const QCommandLineParser& parser, const QStringList& arguments,
                 const QString& name) {
    const QString called = QFileInfo(arguments.value(0)).completeBaseName();
    QString text = parser.helpText();
    // The usage line is "Usage: <program> [options] <positional arguments>".
    const qsizetype usageEnd = text.indexOf(QLatin1Char('\n'));
    const qsizetype options = text.indexOf(QLatin1String(" [options]"));
    if (options >= 0 && options < usageEnd)
        text.replace(0, options, QStringLiteral("Usage: ") + (called.isEmpty() ? name : called));
    return text;
}

void chooseOffscreenWithoutDisplay() {
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace platform
