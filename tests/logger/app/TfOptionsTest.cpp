// The settings dialog: undo on every way of closing but OK, the interval check while typing,
// OK refused for a log file whose folder does not exist, editing disabled while the monitor
// runs, and the browse button's save dialog.

#include "logger/app/TfOptions.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "logger/app/LoggerTestSupport.h"
#include "support/TempDir.h"

namespace logger {
namespace {

class TfOptionsTest : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    MonitorSettings settings;
    loggertest::ScriptedDialogs dialogs;
    bool running = false;
    QWidget main;
    TfOptions options{settings, dialogs, [this] { return running; }, &main};

    void SetUp() override {
        settings.logFile = (dir / "monitor.log").string();
        options.applySettings();
        main.show();
    }
    QStringList messages() const {
        QStringList texts;
        for (const auto& box : dialogs.boxes)
            texts << box.text;
        return texts;
    }
    void editEverything() {
        options.rbReadingManual->setChecked(true);
        options.CBMAdresaPrevodniku->setCurrentIndex(3);
        options.ChBZapisovatDoMSouboru->setChecked(true);
        options.RBPrepsatSoubor->setChecked(true);
        options.FEJmenoMSouboru->setText(QStringLiteral("/elsewhere/x.log"));
        options.CBDatumCas5->setCurrentIndex(5);
        options.CBChyba->setCurrentIndex(0);
        options.CBDesetinnyOddelovac->setCurrentIndex(1);
        options.chbLog[kThird]->setChecked(false);
        options.CBDO[kFourth]->setCurrentIndex(7);
    }
};

TEST_F(TfOptionsTest, EveryWayOfClosingButOkUndoesTheEdits) {
    const MonitorSettings before = settings;
    const std::function<void()> ways[] = {
        [this] { options.bbCancel->click(); },
        [this] { options.close(); },  // the title bar
        [this] { QTest::keyClick(&options, Qt::Key_Escape); },
    };
    for (const auto& close : ways) {
        options.FormShow();
        editEverything();
        ASSERT_FALSE(options.LInterval->isEnabled());
        ASSERT_TRUE(options.FEJmenoMSouboru->isEnabled());
        close();
        EXPECT_FALSE(options.isVisible());
        EXPECT_TRUE(options.rbReadingAutomatic->isChecked());
        EXPECT_EQ(options.CBMAdresaPrevodniku->currentIndex(), 0);
        EXPECT_FALSE(options.ChBZapisovatDoMSouboru->isChecked());
        EXPECT_TRUE(options.RBPridatNaKonec->isChecked());
        EXPECT_EQ(options.FEJmenoMSouboru->text().toStdString(), settings.logFile.string());
        EXPECT_EQ(options.CBDatumCas5->currentIndex(), 2);
        EXPECT_EQ(options.CBDesetinnyOddelovac->currentIndex(), 2);
        EXPECT_TRUE(options.chbLog[kThird]->isChecked());
        EXPECT_EQ(options.CBDO[kFourth]->currentIndex(), 1);
        // The enabled state follows the restored radio and check states.
        EXPECT_TRUE(options.EInterval->isEnabled());
        EXPECT_FALSE(options.FEJmenoMSouboru->isEnabled());
        EXPECT_FALSE(options.RBPrepsatSoubor->isEnabled());
        EXPECT_EQ(settings, before);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(TfOptionsTest, OkKeepsTheEditsInTheSettings) {
    options.FormShow();
    editEverything();
    options.FEJmenoMSouboru->setText(QString::fromStdString((dir / "run.log").string()));
    options.bbOK->click();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(settings.reading, ReadingMode::Manual);
    EXPECT_EQ(settings.highestAddress, 3);
    EXPECT_TRUE(settings.writeToFile);
    EXPECT_EQ(settings.logFileMode, LogFileMode::Rewrite);
    EXPECT_EQ(settings.logFile, dir / "run.log");
    EXPECT_EQ(settings.timeStampFormat, 5);
    EXPECT_EQ(settings.errorLevel, ErrorLevel::NoWarn);
    EXPECT_EQ(settings.separator, SeparatorKind::Comma);
    EXPECT_FALSE(settings.logQuantity[kThird]);
    EXPECT_EQ(settings.decimals[kFourth], kAutoDecimals);
}

TEST_F(TfOptionsTest, OkIsRefusedWhileTheLogFilesFolderDoesNotExist) {
    for (const char* name : {"monitor.log", "/no/such/folder/monitor.log"}) {
        options.FormShow();
        options.ChBZapisovatDoMSouboru->setChecked(true);
        options.FEJmenoMSouboru->setText(QLatin1String(name));
        options.bbOK->click();
        EXPECT_TRUE(options.isVisible()) << name;
        EXPECT_EQ(dialogs.lastText(), "Cannot create directory for LOG file!");
        EXPECT_EQ(dialogs.boxes.back().kind, MessageKind::Warning);
        options.bbCancel->click();
    }
    EXPECT_FALSE(settings.writeToFile);

    // Without "Save record to file" the name is not looked at.
    options.FormShow();
    options.FEJmenoMSouboru->setText(QStringLiteral("monitor.log"));
    options.bbOK->click();
    EXPECT_FALSE(options.isVisible());
}

TEST_F(TfOptionsTest, TheIntervalIsAWholeNumberOfAtLeastTwoSecondsWhileTyping) {
    options.FormShow();
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"", "2"}, {"2.5", "2"}, {"1", "2"}, {"abc", "2"}, {"15", "15"}, {"2", "2"}};
    for (const auto& c : cases) {
        dialogs.boxes.clear();
        options.EInterval->setText(QLatin1String(c.typed));
        EXPECT_EQ(options.EInterval->text(), QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(messages(), c.typed == std::string(c.shown) ? QStringList()
                                                              : QStringList{"Min value is 2 sec!"})
            << c.typed;
    }

    // Clearing the field by typing shows the message at once and puts "2" back.
    dialogs.boxes.clear();
    options.EInterval->setFocus();
    options.EInterval->selectAll();
    QTest::keyClick(options.EInterval, Qt::Key_Backspace);
    EXPECT_EQ(options.EInterval->text(), "2");
    EXPECT_EQ(messages(), QStringList{"Min value is 2 sec!"});
}

TEST_F(TfOptionsTest, AStoredIntervalOfOneBecomesTwoAtStartUp) {
    settings.interval = "1";
    dialogs.boxes.clear();
    options.applySettings();
    EXPECT_EQ(settings.interval, "2");
    EXPECT_EQ(messages(), QStringList{"Min value is 2 sec!"});
}

TEST_F(TfOptionsTest, WhileTheMonitorRunsOnlyCancelCanBeUsed) {
    running = true;
    options.FormShow();
    EXPECT_EQ(messages(), QStringList{"Parameters cannot be changed while monitor is running!"});
    for (QWidget* control : std::initializer_list<QWidget*>{
             options.rbReadingManual, options.EInterval, options.CBMAdresaPrevodniku,
             options.ChBZapisovatDoMSouboru, options.FEJmenoMSouboru, options.CBChyba,
             options.chbLog[kCurrent], options.CBDO[kFourth], options.bbOK})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(options.bbCancel->isEnabled());
    options.close();
    EXPECT_FALSE(options.isVisible());

    running = false;
    options.FormShow();
    EXPECT_TRUE(options.bbOK->isEnabled());
    EXPECT_TRUE(options.EInterval->isEnabled());
    EXPECT_FALSE(options.FEJmenoMSouboru->isEnabled());
    options.close();
}

TEST_F(TfOptionsTest, BrowseOffersTheSaveDialogAtThePresentName) {
    options.FormShow();
    options.ChBZapisovatDoMSouboru->setChecked(true);
    dialogs.savedFile = QString::fromStdString((dir / "chosen.log").string());
    options.FEJmenoMSouboruButton->click();
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    const UserDialogs::SaveFileQuestion& asked = dialogs.saveQuestions[0];
    EXPECT_EQ(asked.title, "Save monitored LOG as ...");
    EXPECT_EQ(asked.folder.toStdString(), dir.path().string() + "/");
    EXPECT_EQ(asked.fileName.toStdString(), (dir / "monitor.log").string());
    EXPECT_EQ(asked.filter, "Logs (*.log);;All Files (*)");
    EXPECT_EQ(asked.defaultSuffix, "log");
    EXPECT_EQ(options.FEJmenoMSouboru->text(), *dialogs.savedFile);

    dialogs.savedFile.reset();  // Cancel
    options.FEJmenoMSouboruButton->click();
    EXPECT_EQ(options.FEJmenoMSouboru->text().toStdString(), (dir / "chosen.log").string());
    options.close();
}

TEST(LogFileFolderTest, IsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(logFileFolder("monitor.log"), "");
    EXPECT_EQ(logFileFolder("/var/log/monitor.log"), "/var/log/");
    EXPECT_EQ(logFileFolder("/monitor.log"), "/");
    EXPECT_EQ(logFileFolder("logs/"), "logs/");
}

}  // namespace
}  // namespace logger
