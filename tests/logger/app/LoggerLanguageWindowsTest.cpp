// The logger's windows in each language, with the modules the build puts beside Loopscribe:
// every window re-reads its captions, hints, menu items and list entries on the language change
// while texts set at run time keep their values; the hidden language list; and every caption
// fits its control in every language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <tuple>

#include "localisation/LanguageModule.h"
#include "localisation/ModuleFiles.h"
#include "localisation/Retranslate.h"
#include "logger/app/ChartWindowTable.h"
#include "logger/app/LoggerTestSupport.h"
#include "logger/app/TfChart.h"
#include "logger/app/TfMain.h"
#include "logger/app/TfOprogramu.h"
#include "logger/app/TfOptions.h"
#include "logger/app/TrayIcon.h"
#include "logger/core/MonitorTexts.h"
#include "logger/core/VersionText.h"

namespace logger {
namespace {

const QString kProgram = QStringLiteral(LOOPSCRIBE_PROGRAM);
constexpr int kPushButtonFrame = 8;  // the frame and a little air either side

class LoggerLanguageWindowsTest : public ::testing::Test {
  protected:
    loggertest::ScriptedDialogs dialogs;
    MonitorSettings settings;
    TrayIcon tray;
    TfMain main{settings, dialogs, tray};
    std::vector<std::unique_ptr<TfChart>> charts;
    TfOptions options{settings, dialogs, [] { return false; }, &main};
    TfOprogramu about{&main};
    localisation::ResourceModule module;

    void SetUp() override {
        for (const ChartWindowSpec& spec : kChartWindows)
            charts.push_back(std::make_unique<TfChart>(spec, dialogs));
    }
    // The logger's module of a language extension, made current, and the windows re-read.
    void switchTo(const char* extension) {
        ASSERT_NE(
            localisation::LoadModuleFile(
                module, localisation::ModuleFileName(kProgram, QString::fromLatin1(extension))),
            nullptr)
            << extension;
        localisation::RetranslateWindows();
    }
    std::vector<QWidget*> windows() {
        std::vector<QWidget*> all{&main, &options, &about};
        for (const auto& chart : charts)
            all.push_back(chart.get());
        return all;
    }
};

TEST_F(LoggerLanguageWindowsTest, EveryWindowReReadsItsTextsAndRunTimeTextsStay) {
    // Texts set at run time.
    main.setDistributor(QStringLiteral("ACME"));
    main.ShowStatus(QStringLiteral("Command ready."));
    about.setVersion(QStringLiteral("3.4"));
    charts[0]->SetPocetBoduGrafu(50);
    charts[0]->setUnitCaption(QStringLiteral("mA"));
    EXPECT_EQ(main.BBVymaz->text(), "Clear");
    EXPECT_EQ(charts[2]->automatickyMin->text(), "automaticky");

    switchTo(".DE");
    EXPECT_EQ(main.BBVymaz->text(), QString::fromUtf8("Löschen"));
    EXPECT_EQ(main.lHDistributor->text(), "Hersteller");
    EXPECT_EQ(main.MonitorSettings1->text(), QString::fromUtf8("Überwachungseinstellungen"));
    EXPECT_EQ(main.bbShowG[1]->toolTip(), QString::fromUtf8("Primärvariable"));
    EXPECT_EQ(main.CloseLoopscribe->text(), "Loopscribe beenden");
    EXPECT_EQ(options.windowTitle(), QString::fromUtf8("Überwachungseinstellungen"));
    EXPECT_EQ(options.CBChyba->itemText(3), "Alle Fehler");
    EXPECT_EQ(options.CBDatumCas5->itemText(0), "keiner");
    EXPECT_EQ(options.CBDatumCas5->itemText(2), "hh:mm:ss");
    EXPECT_EQ(options.chbLog[0]->text(), "Ausgangsstrom");
    EXPECT_EQ(charts[0]->windowTitle(), "Ausgangsstrom");
    EXPECT_EQ(charts[0]->Pocetbodugrafu->text(), "Max. Punkte (50)");
    EXPECT_EQ(charts[1]->Pocetbodugrafu->text(), "Max. Punkte");
    EXPECT_EQ(charts[2]->automatickyMin->text(), "automatisch");
    EXPECT_EQ(about.LVerze->text(), "Version 3.4");
    // Run-time texts keep their values.
    EXPECT_EQ(main.lDistributor->text(), "ACME");
    EXPECT_EQ(main.SBar[0]->text(), "Command ready.");
    EXPECT_EQ(charts[0]->unitCaption(), "mA");
    // The record's words come from the module once it is current.
    EXPECT_EQ(MonitorTexts().pollingAddress, "Polling-Adresse");

    // One text of each language beyond Latin-1, in a window and in the record pane.
    for (const auto& [extension, clear, record] :
         {std::tuple{".CSY", "Vymazat", "Monitorování ukončeno"},
          {".PLK", "Wyczyść", "Monitorowanie zakończone"},
          {".SKY", "Vymazať", "Monitorovanie ukončené"},
          {".RUS", "Очистить", "Мониторинг завершён"}}) {
        switchTo(extension);
        EXPECT_EQ(main.BBVymaz->text(), QString::fromUtf8(clear));
        main.appendLine(MonitorTexts().monitorFinished);
        EXPECT_TRUE(main.REMonitor->toPlainText().endsWith(QString::fromUtf8(record)));
    }

    // The English module names the Czech built-in caption.
    switchTo(".EN");
    EXPECT_EQ(charts[2]->automatickyMin->text(), "automatic");
    EXPECT_EQ(MonitorTexts().pollingAddress, "Polling Adress");
}

TEST_F(LoggerLanguageWindowsTest, TheHiddenLanguageList) {
    EXPECT_FALSE(main.CBJazykProgramu->isVisibleTo(&main));
    EXPECT_EQ(main.CBJazykProgramu->count(), 0);
    EXPECT_FALSE(main.CBJazykProgramu->isEnabled()) << "empty from the start";
    EXPECT_EQ(main.CBJazykProgramu->property("tag").toInt(), -1);

    main.setLanguageList({"Czech", "German", "Russian"}, 1);
    EXPECT_TRUE(main.CBJazykProgramu->isEnabled());
    EXPECT_EQ(main.CBJazykProgramu->currentText(), "German");
    EXPECT_EQ(main.CBJazykProgramu->property("tag").toInt(), 1);

    main.setLanguageList({"Czech", "German"}, -1);
    EXPECT_TRUE(main.CBJazykProgramu->isEnabled());
    EXPECT_EQ(main.CBJazykProgramu->currentText(), "");
    EXPECT_EQ(main.CBJazykProgramu->property("tag").toInt(), -1);

    main.setLanguageList({}, -1);
    EXPECT_FALSE(main.CBJazykProgramu->isEnabled());
    EXPECT_EQ(main.CBJazykProgramu->currentText(), "");
}

TEST_F(LoggerLanguageWindowsTest, EveryCaptionFitsItsControlInEveryLanguage) {
    main.setDistributor(QString());
    for (QWidget* window : windows())
        window->show();
    for (const char* extension : {".CSY", ".DE", ".EN", ".ESP", ".FR", ".PLK", ".SKY", ".RUS"}) {
        SCOPED_TRACE(extension);
        switchTo(extension);
        for (QWidget* window : windows()) {
            QCoreApplication::processEvents();  // the layouts take the new texts
            const std::string name = window->objectName().toStdString();
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                if (label->text().isEmpty() || label->wordWrap()) continue;
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << name << ": " << label->text().toStdString();
            }
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (button->text().isEmpty() || !button->isVisibleTo(window)) continue;
                // A push button's size hint has a minimum width of the style's; its text needs
                // only the room of the text and the frame.
                const int needed = qobject_cast<const QPushButton*>(button)
                                       ? button->fontMetrics().horizontalAdvance(
                                             QString(button->text()).remove(u'&')) +
                                             kPushButtonFrame
                                       : button->sizeHint().width();
                EXPECT_GE(button->width(), needed) << name << ": " << button->text().toStdString();
            }
            for (const QComboBox* list : window->findChildren<QComboBox*>()) {
                if (!list->isVisibleTo(window)) continue;
                // Every entry, not only the one shown: the size hint a list keeps from its first
                // showing says nothing of the texts it has now.
                QStyleOptionComboBox option;
                option.initFrom(list);
                const int room = list->style()
                                     ->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list)
                                     .width();
                for (int i = 0; i < list->count(); ++i)
                    EXPECT_GE(room, list->fontMetrics().horizontalAdvance(list->itemText(i)))
                        << name << ": " << list->itemText(i).toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace logger
