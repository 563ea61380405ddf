#include "driver/app/DriverProgram.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>
#include <cstdio>
#include <system_error>

#include "ProjectVersion.h"
#include "driver/app/DriverLanguage.h"
#include "driver/app/DriverSettings.h"
#include "driver/app/FileProblems.h"
#include "driver/app/HalvaneForm.h"
#include "driver/app/LinkByPin.h"
#include "driver/app/PreciseClock.h"
#include "driver/app/QtMessagePump.h"
#include "driver/app/QtUserDialogs.h"
#include "driver/app/SingleInstance.h"
#include "hart/CodeTables.h"
#include "platform/channel/ChannelProtocol.h"
#include "platform/channel/ConversationServer.h"
#include "platform/folders/DataFiles.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "platform/locale/SystemLocale.h"
#include "platform/program/ProgramStart.h"
#include "platform/termination/TerminationSignals.h"

namespace driver {

namespace {

constexpr const char* kAlreadyInMemory = "Halvane is already in memory!";
constexpr const char* kTableFileName = "TABEN.DDF";

void printError(const std::string& text) {
    std::fprintf(stderr, "Halvane: %s\n", text.c_str());
    std::fflush(stderr);
}

// A start-up failure or a file the driver cannot use: on the standard error stream always, and
// in a message box when someone can see it.
void reportStartFailure(QtUserDialogs& dialogs, const std::string& text) {
    printError(text);
    if (dialogs.interactive()) dialogs.errorMessage(text);
}

}  // namespace

ParsedOptions parseProgramOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "HART master driver: runs HART transactions on a serial port with a HART modem and "
        "serves other programs through the conversation channel (docs/halvane.md)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption settingsDir(
        QStringLiteral("settings-dir"),
        QStringLiteral("Keeps ZODUVIR.INI in DIR instead of the shared settings folder."),
        QStringLiteral("DIR"));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("Shows the window at start."));
    parser.addOptions({help, version, settingsDir, show});

    ParsedOptions parsed;
    if (!parser.parse(arguments)) {
        parsed.exitCode = 2;
        parsed.errorText = parser.errorText().toStdString() + "\nTry 'Halvane --help'.";
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.exitCode = 2;
        parsed.errorText = "Unexpected argument '" +
                           parser.positionalArguments().first().toStdString() +
                           "'.\nTry 'Halvane --help'.";
        return parsed;
    }
    if (parser.isSet(help)) {
        parsed.exitCode = 0;
        parsed.output =
            platform::helpText(parser, arguments, QStringLiteral("Halvane")).toStdString();
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.exitCode = 0;
        parsed.output = std::string("Halvane ") + HALVANE_VERSION + "\n";
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
    return parsed;
}

std::filesystem::path tableFilePath(const std::filesystem::path& programFolder) {
    return platform::dataFilePath(programFolder, kTableFileName);
}

int runDriver(const ProgramOptions& options) {
    QtUserDialogs dialogs;

    std::filesystem::path lockFile;
    try {
        lockFile = SingleInstance::defaultLockFile();
    } catch (const std::exception& e) {
        reportStartFailure(dialogs, e.what());
        return 1;
    }
    SingleInstance instance(lockFile);
    switch (instance.acquire()) {
        case SingleInstance::Outcome::Acquired:
            break;
        case SingleInstance::Outcome::AlreadyRunning:
            reportStartFailure(dialogs, kAlreadyInMemory);
            return 1;
        case SingleInstance::Outcome::Failed:
            reportStartFailure(dialogs, instance.errorString());
            return 1;
    }

    std::filesystem::path settingsFolder;
    try {
        settingsFolder =
            options.settingsDir ? *options.settingsDir : platform::sharedSettingsFolder();
    } catch (const std::exception& e) {
        reportStartFailure(dialogs, e.what());
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(settingsFolder, ec);
    if (ec) {
        reportStartFailure(dialogs, "Cannot create the settings folder " + settingsFolder.string() +
                                        ": " + ec.message() + ".");
        return 1;
    }
    platform::IniFile settings(settingsFolder / kSettingsFileName);
    if (auto message = settingsFileMessage(settings)) reportStartFailure(dialogs, *message);

    hart::CodeTables tables(tableFilePath(QCoreApplication::applicationDirPath().toStdString()));
    if (auto message = tableFileMessage(tables.file())) reportStartFailure(dialogs, *message);

    LinkByPin port(settings.path());
    port.serial().setExceptionPresenter(
        [&dialogs](const std::string& text) { dialogs.errorMessage(text); });
    platform::channel::ConversationServer server{std::string(platform::channel::kServiceName),
                                                 std::string(platform::channel::kTopicName)};
    PreciseClock clock;
    QtMessagePump pump;

    // Declared before the window so that the window's texts are never read from a module that
    // is gone.
    localisation::ResourceModule languageModule;
    THalvaneForm form({settings, tables, port, dialogs, server, clock, pump});
    form.engine().setLocale(platform::systemUserLocale());
    form.chooseLanguage = [&](const std::string& language) {
        SwitchDriverLanguage(languageModule, QCoreApplication::applicationFilePath(), language);
        tables.setUnknownCodePrefix(UnknownCodePrefix());
    };

    platform::TerminationSignals terminationSignals;
    if (!terminationSignals.isActive()) {
        printError("Cannot catch termination signals (" +
                   terminationSignals.errorString().toStdString() +
                   "); ending the session may not release the port cleanly.");
    }
    QObject::connect(&terminationSignals, &platform::TerminationSignals::received, &form,
                     &THalvaneForm::endSession);
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.WMQueryEndSession(); });
#endif

    form.FormCreate();
    if (pump.terminating()) return pump.exitCode();

    if (!server.listen()) {
        reportStartFailure(dialogs,
                           QCoreApplication::translate("driver::DriverProgram",
                                                       "Other programs cannot reach the driver: %1")
                               .arg(QString::fromStdString(server.errorString()))
                               .toStdString());
        return 1;
    }

    if (options.show || (!form.trayAvailable() && dialogs.interactive())) {
        form.ShowPanel1Click();
    }
    const int code = QApplication::exec();
    return pump.terminating() ? pump.exitCode() : code;
}

}  // namespace driver
