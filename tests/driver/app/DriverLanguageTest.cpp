// The driver in each language, with the modules the build puts beside Halvane: the module is
// chosen before the port check, so its messages are translated; a value that is not one of the
// eight leaves the built-in texts; the texts that clients compare stay as they are; every caption
// fits its control; and every reply line the catalogue names has a translated name.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/AppTestSupport.h"
#include "driver/app/DriverLanguage.h"
#include "driver/app/HalvaneForm.h"
#include "driver/app/PreciseClock.h"
#include "driver/app/ReplyLineNames.h"
#include "hart/CommandCatalogue.h"
#include "platform/channel/ConversationServer.h"
#include "support/TempDir.h"

namespace driver {
namespace {

const QString kProgram = QStringLiteral(HALVANE_PROGRAM);

class DriverLanguageTest : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    platform::IniFile settings{dir / "ZODUVIR.INI"};
    hart::CodeTables tables{HALVANE_TABLE_FILE};
    apptest::FakeDriverPort port;  // no ports: the start-up reports "No HART Modem Connected!"
    apptest::ScriptedDialogs dialogs;
    platform::channel::ConversationServer server{"Halvane", "DdeHartServer"};
    PreciseClock clock;
    apptest::InstantPump pump;
    localisation::ResourceModule module;
    std::unique_ptr<THalvaneForm> form;

    void start(const std::string& iniText) {
        form.reset();
        dialogs.errors.clear();
        dir.write("ZODUVIR.INI", iniText);
        form = std::make_unique<THalvaneForm>(
            FormContext{settings, tables, port, dialogs, server, clock, pump});
        form->setTrayAvailable(false);  // the note about the missing notification area shows too
        form->chooseLanguage = [this](const std::string& language) {
            SwitchDriverLanguage(module, kProgram, language);
        };
        form->FormCreate();
    }
    void startIn(const char* language) {
        start(std::string("[ZodUvir]\nLanguage=") + language + "\n");
    }
    std::string firstError() const { return dialogs.errors.empty() ? "" : dialogs.errors[0]; }
};

TEST_F(DriverLanguageTest, TheModuleIsChosenBeforeThePortCheck) {
    struct Case {
        const char* ini;
        const char* repeatBox;
        const char* noModem;  // the start-up message, in UTF-8
    };
    const Case cases[] = {
        {"[ZodUvir]\nLanguage=German\n", "Wiederholt senden", "Kein HART-Modem angeschlossen!"},
        {"[ZodUvir]\nLanguage=Czech\n", "Odesílat dokola", "Není připojen žádný HART modem!"},
        {"[ZodUvir]\nLanguage=Polish\n", "Wysyłaj cyklicznie", "Nie podłączono modemu HART!"},
        {"[ZodUvir]\nLanguage=Slovak\n", "Odosielať dookola",
         "Nie je pripojený žiadny HART modem!"},
        {"[ZodUvir]\nLanguage=Russian\n", "Отправлять циклически", "HART-модем не подключён!"},
        {"[ZodUvir]\nLanguage=Spanish\n", "Enviar repetidamente",
         "¡No hay ningún módem HART conectado!"},
        {"[ZodUvir]\nLanguage=French\n", "Envoyer en boucle", "Aucun modem HART connecté !"},
        // The default is English, and the English module names the Czech built-in caption.
        {"", "Send repeatedly", "No HART Modem Connected!"},
        {"[ZodUvir]\nLanguage=English\n", "Send repeatedly", "No HART Modem Connected!"},
        // Not one of the eight: the built-in texts.
        {"[ZodUvir]\nLanguage=german\n", "Odesilat dokola", "No HART Modem Connected!"},
        {"[ZodUvir]\nLanguage=\" German\"\n", "Odesilat dokola", "No HART Modem Connected!"},
        {"[ZodUvir]\nLanguage=Deutsch\n", "Odesilat dokola", "No HART Modem Connected!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        module.Use(nullptr);
        start(c.ini);
        EXPECT_EQ(firstError(), c.noModem);
        EXPECT_EQ(form->CheckBox1->text().toStdString(), c.repeatBox);
    }
}

TEST_F(DriverLanguageTest, WhatClientsCompareStaysAsItIs) {
    startIn("German");
    EXPECT_EQ(form->UsedPort->currentText(), "keiner");
    EXPECT_EQ(form->cMasterType->currentText(), QString::fromUtf8("Sekundärer Master"));
    EXPECT_EQ(form->portText(), "none");
    // Unknown codes stay bare numbers in every module, so the logger can look them up itself.
    for (const char* language :
         {"Czech", "German", "English", "Spanish", "French", "Polish", "Slovak", "Russian"}) {
        ASSERT_TRUE(SwitchDriverLanguage(module, kProgram, language)) << language;
        EXPECT_EQ(UnknownCodePrefix(), "") << language;
    }
}

TEST_F(DriverLanguageTest, EveryCaptionFitsItsControlInEveryLanguage) {
    for (const char* language :
         {"Czech", "German", "English", "Spanish", "French", "Polish", "Slovak", "Russian"}) {
        SCOPED_TRACE(language);
        module.Use(nullptr);
        startIn(language);
        form->setManualPanelVisible(true);
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << label->text().toStdString();
            } else {
                EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
            }
            EXPECT_LE(label->geometry().right(), form->width()) << label->text().toStdString();
        }
        for (const QAbstractButton* button : {static_cast<QAbstractButton*>(form->Button1),
                                              static_cast<QAbstractButton*>(form->CheckBox1)})
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
        for (const QComboBox* list : {form->cMasterType, form->UsedPort}) {
            for (int i = 0; i < list->count(); ++i) {
                // The text, the frame and the arrow.
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)) + 40,
                          list->width())
                    << list->itemText(i).toStdString();
            }
        }
        EXPECT_LT(form->Label8->geometry().right(), form->Label10->x())
            << "the indicators stay in the left panel";
    }
}

// Every reply line the catalogue names: the commands' own slots and those of each item kind
// of a generic command's reply format.
std::vector<std::string> catalogueLineNames() {
    std::vector<std::string> lines(40, "0");
    lines[2] = "Invalid Selection!";
    std::vector<std::string> names;
    const auto add = [&](const std::vector<hart::SlotName>& replySlots) {
        for (const std::string& name : hart::ReplyLineTitles(lines, replySlots))
            names.push_back(name);
    };
    for (const hart::CommandEntry& command : hart::CatalogueCommands())
        add(hart::ReplySlots(command.number));
    add(hart::ReplySlots(255, "R003B|BUFPAL"));
    lines[2] = "";
    add(hart::ReplySlots(3));
    return names;
}

TEST_F(DriverLanguageTest, EveryReplyLineNameIsTranslated) {
    for (const std::string& name : catalogueLineNames())
        EXPECT_TRUE(TranslatedReplyLineName(name)) << name;

    ASSERT_TRUE(SwitchDriverLanguage(module, kProgram, "German"));
    const std::pair<const char*, const char*> cases[] = {
        {"Loop current (mA)", "Schleifenstrom (mA)"},
        {"Variable 2 unit", "Einheit der Variable 2"},
        {"Status bytes 0-1", "Statusbytes 0-1"},
        {"Line 14", "Zeile 14"},
        {"Float 3", "Gleitkommazahl 3"},
        {"Polling address", "Polling-Adresse"},
        {"A name of no catalogue", "A name of no catalogue"},
    };
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(ReplyLineName(name).toStdString(), shown);
    EXPECT_FALSE(TranslatedReplyLineName("A name of no catalogue"));
}

}  // namespace
}  // namespace driver
