#include "logger/app/LoggerProgram.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <cstdio>
#include <memory>

#include "ProjectVersion.h"
#include "localisation/LanguageSetting.h"
#include "localisation/Retranslate.h"
#include "logger/app/ChartWindowTable.h"
#include "logger/app/QtUserDialogs.h"
#include "logger/app/TfChart.h"
#include "logger/app/TfMain.h"
#include "logger/app/TfOprogramu.h"
#include "logger/app/TfOptions.h"
#include "logger/app/TrayIcon.h"
#include "logger/core/Headless.h"
#include "logger/core/LoggerFolders.h"
#include "logger/core/LoggerLanguage.h"
#include "logger/core/MemoryChart.h"
#include "logger/core/Monitor.h"
#include "logger/core/MonitorRecord.h"
#include "logger/core/SettingsFile.h"
#include "logger/core/TableFile.h"
#include "logger/qt/ClientConversation.h"
#include "logger/qt/QtWindowTimer.h"
#include "logger/qt/SystemClock.h"
#include "platform/ini/IniFile.h"
#include "platform/locale/SystemLocale.h"
#include "platform/termination/TerminationSignals.h"

namespace logger {

namespace {

void printError(const std::string& text) {
    std::fprintf(stderr, "Loopscribe: %s\n", text.c_str());
    std::fflush(stderr);
}

// Everything the monitor works with that does not depend on windows.
struct Session {
    std::filesystem::path programFolder;
    platform::IniFile settingsFile;
    MonitorSettings settings;
    CodeNames names;
    platform::UserLocale locale = platform::systemUserLocale();
    MonitorTexts texts;
    QtWindowTimer send, poll, timeOut, interval;
    SystemClock clock;
    SystemRandom random;
    ClientConversation conversation;

    // languageCode: the language of the texts shown, which names the table file.
    Session(std::filesystem::path folder, const std::filesystem::path& settingsPath,
            MonitorSettings read, std::string_view languageCode)
        : programFolder(std::move(folder)),
          settingsFile(settingsPath),
          settings(std::move(read)),
          names(loggerTableFile(programFolder, languageCode)),
          conversation(programFolder) {}

    MonitorTimers timers() { return {send, poll, timeOut, interval}; }
    MonitorContext context() const { return {settings, locale, names, texts}; }
    bool save(const MonitorSettings& s) {
        if (ZapisIniMonitor(settingsFile, s)) return true;
        printError("cannot write the settings file " + settingsFile.path().string() + ".");
        return false;
    }
};

// The monitor's buttons in a run without a display: a monitor that stops by itself (a device
// that does not answer) ends the run, since nobody could start it again.
class HeadlessButtons final : public MonitorButtons {
  public:
    std::function<void()> stopped;
    void setStartEnabled(bool) override {}
    void setStopEnabled(bool enabled) override {
        if (enabled) m_ran = true;
        if (!enabled && m_ran && stopped) stopped();
    }

  private:
    bool m_ran = false;
};

int runHeadless(Session& session, const LoggerOptions& options) {
    StreamRecordPane pane(stdout);
    StreamMessageBoxes messages(stderr);
    HiddenWindows windows;
    HeadlessButtons buttons;
    std::array<MemoryChart, kQuantityCount> charts;
    for (int q = 0; q < kQuantityCount; ++q)
        SetPocetBoduGrafu(charts[static_cast<std::size_t>(q)], session.settings.maxPoints[q]);
    MonitorRecord record(pane, session.settings, messages, session.texts);
    Monitor monitor(session.conversation, session.timers(), session.clock, session.random, record,
                    MonitorViews{windows,
                                 windows,
                                 windows,
                                 buttons,
                                 messages,
                                 {&charts[0], &charts[1], &charts[2], &charts[3], &charts[4]}},
                    session.context());

    bool finished = false;
    auto finish = [&](int code) {
        if (finished) return;
        finished = true;
        if (monitor.running()) monitor.bbStopClick();
        monitor.closeDriverLink(session.settings.driverAutoOff);
        session.save(session.settings);
        QCoreApplication::exit(code);
    };
    buttons.stopped = [&] { finish(1); };

    monitor.connectToDriver();
    if (!monitor.linkOk()) return 1;
    // A start the log file refused (its message is printed) leaves nothing to do: nobody could
    // start the monitor again.
    if (!monitor.startFromCommandLine(options.parameters) || !monitor.running()) {
        printError("the monitor did not start.");
        return 1;
    }
    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::received,
                     [&](int) { finish(0); });
    return QApplication::exec();
}

int runWindows(Session& session, QtUserDialogs& dialogs, const LoggerOptions& options,
               const LanguageChoice& language) {
    TrayIcon tray;
    TfMain main(session.settings, dialogs, tray);
    main.setTrayAvailable(QSystemTrayIcon::isSystemTrayAvailable());
    std::vector<std::unique_ptr<TfChart>> charts;
    for (const ChartWindowSpec& spec : kChartWindows)
        charts.push_back(std::make_unique<TfChart>(spec, dialogs));
    Monitor* monitorSeen = nullptr;
    TfOptions optionsDialog(
        session.settings, dialogs, [&] { return monitorSeen && monitorSeen->running(); }, &main);
    TfOprogramu about(&main);

    MonitorRecord record(main, session.settings, dialogs, session.texts);
    Monitor monitor(session.conversation, session.timers(), session.clock, session.random, record,
                    MonitorViews{main,
                                 main,
                                 tray,
                                 main,
                                 dialogs,
                                 {charts[0].get(), charts[1].get(), charts[2].get(),
                                  charts[3].get(), charts[4].get()}},
                    session.context());
    monitorSeen = &monitor;
    TfMain::Parts parts;
    parts.monitor = &monitor;
    for (int q = 0; q < kQuantityCount; ++q)
        parts.charts[static_cast<std::size_t>(q)] = charts[static_cast<std::size_t>(q)].get();
    parts.options = &optionsDialog;
    parts.about = &about;
    parts.saveSettings = [&session](const MonitorSettings& s) { return session.save(s); };
    main.setParts(parts);
    main.setLanguageList(language.available, language.index);
    localisation::RetranslateWindows();

    main.Environment_ReInit();
    main.show();
    main.startFromCommandLine(options.parameters, options.show);

    platform::TerminationSignals termination;
    if (!termination.isActive())
        printError("cannot catch termination signals (" + termination.errorString().toStdString() +
                   "); the end of the session may cut the record short.");
    QObject::connect(&termination, &platform::TerminationSignals::received, &main,
                     [&main](int) { main.endSession(); });
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &main,
                     [&main](QSessionManager&) { main.endSession(); });
#endif
    return QApplication::exec();
}

}  // namespace

QString joinedParameters(const std::vector<std::string>& parameters) {
    QString joined;
    for (const std::string& parameter : parameters)
        joined += QString::fromLocal8Bit(parameter) + QLatin1Char(' ');
    return joined.trimmed().toUpper();
}

ParsedLoggerOptions parseLoggerOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "HART data logger: identifies the devices on a loop through the Halvane driver, reads\n"
        "them at an interval, records every reading and plots it (docs/loopscribe.md).\n"
        "START starts monitoring at once and hides the window; without a display it runs\n"
        "headless, printing every record line to standard output until SIGTERM."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption settingsDir(
        QStringLiteral("settings-dir"),
        QStringLiteral("Keeps Loopscribe.ini in DIR instead of the shared settings folder."),
        QStringLiteral("DIR"));
    const QCommandLineOption show(
        QStringLiteral("show"),
        QStringLiteral("After a start by START keeps the window shown and opens the charts."));
    parser.addOptions({help, version, settingsDir, show});
    parser.addPositionalArgument(QStringLiteral("START"),
                                 QStringLiteral("Starts monitoring at once (any case)."),
                                 QStringLiteral("[START]"));

    ParsedLoggerOptions parsed;
    if (!parser.parse(arguments)) {
        parsed.exitCode = 2;
        parsed.errorText = parser.errorText().toStdString() + "\nTry 'Loopscribe --help'.";
        return parsed;
    }
    if (parser.isSet(help)) {
        parsed.exitCode = 0;
        parsed.output = parser.helpText().toStdString();
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.exitCode = 0;
        parsed.output = std::string("Loopscribe ") + HALVANE_VERSION + "\n";
        return parsed;
    }
    if (parser.isSet(settingsDir)) {
        const QString dir = parser.value(settingsDir);
        if (dir.isEmpty()) {
            parsed.exitCode = 2;
            parsed.errorText = "--settings-dir needs a folder.";
            return parsed;
        }
        parsed.options.settingsDir = std::filesystem::path(dir.toStdString());
    }
    parsed.options.show = parser.isSet(show);
    for (const QString& parameter : parser.positionalArguments())
        parsed.options.parameters.push_back(parameter.toLocal8Bit().toStdString());
    return parsed;
}

int runLogger(const LoggerOptions& options) {
    QtUserDialogs dialogs;
    const bool headless = !dialogs.interactive();
    if (headless && joinedParameters(options.parameters) != QLatin1String("START")) {
        printError(
            "there is no display; without one Loopscribe runs only as 'Loopscribe START' "
            "(see --help).");
        return 2;
    }

    std::filesystem::path settingsFolder, dataFolder;
    try {
        if (options.settingsDir) {
            settingsFolder = *options.settingsDir;
            std::error_code ec;
            std::filesystem::create_directories(settingsFolder, ec);
            if (ec) throw WorkingFolderError(settingsFolder, ec.message());
        } else {
            settingsFolder = IniFilePath();
        }
        dataFolder = DataFilePath();
    } catch (const WorkingFolderError& e) {
        const std::string text =
            std::string(e.what()) + ": " + e.folder().string() + " (" + e.reason() + ")";
        printError(text);
        if (!headless)
            dialogs.show(MessageKind::Error, QString::fromStdString(text), MessageButtons::Ok);
        return 1;
    }

    // The language comes before the settings: the record's words and the table file are the
    // language's. Its module lives until the program ends.
    localisation::ResourceModule languageModule;
    const LanguageChoice language =
        SwitchLanguage(languageModule, QCoreApplication::applicationFilePath(),
                       platform::IniFile(settingsFolder / localisation::kSharedSettingsFileName));

    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdString();
    const std::filesystem::path settingsPath = settingsFilePath(settingsFolder);
    WindowSize screen{1024, 768};
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen = {primary->availableGeometry().width(), primary->availableGeometry().height()};
    Session session(
        programFolder, settingsPath,
        CtiIniMonitor(platform::IniFile(settingsPath), designedWindowSizes(screen), dataFolder),
        language.code);
    // Relative log file names are read from the program's folder.
    QDir::setCurrent(QString::fromStdString(programFolder.string()));

    return headless ? runHeadless(session, options)
                    : runWindows(session, dialogs, options, language);
}

}  // namespace logger
