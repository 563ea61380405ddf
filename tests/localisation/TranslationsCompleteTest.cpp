// Every text of both programs has a finished translation in every language module: lupdate run
// over each program's sources (as the update_translations target runs it) finds no new text, no
// unfinished one and none that the code no longer has, and each module the build wrote beside
// the program translates every text of its source, Qt's message box buttons included.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QXmlStreamReader>
#include <filesystem>

#include "localisation/LanguageModule.h"
#include "localisation/QtStandardTexts.h"
#include "support/TempDir.h"

namespace localisation {
namespace {

namespace fs = std::filesystem;

struct Message {
    QString context;
    QString source;
    QString comment;
    QString state;  // the translation's type: empty when finished
};

struct Module {
    QString code;
    QString ts;
    QString file;
};

struct Manifest {
    QString program;
    QStringList sources;
    std::vector<Module> modules;
};

std::vector<Manifest> manifests() {
    std::vector<Manifest> found;
    const QDir dir(QStringLiteral(HALVANE_TRANSLATION_MANIFESTS));
    for (const QString& name : dir.entryList({QStringLiteral("*.modules")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
        Manifest manifest{name.chopped(8), {}, {}};
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QStringList fields = in.readLine().split(u' ');
            if (fields.value(0) == u"source") manifest.sources << fields.value(1);
            if (fields.value(0) == u"module" && fields.size() == 4)
                manifest.modules.push_back({fields[1], fields[2], fields[3]});
        }
        found.push_back(manifest);
    }
    return found;
}

// A text element of a .ts file: characters, and <byte value="xd"/> for control characters.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::Characters:
                text += xml.text();
                break;
            case QXmlStreamReader::StartElement:
                if (xml.name() == u"byte") {
                    QStringView value = xml.attributes().value(QLatin1String("value"));
                    if (value.startsWith(u'x')) value = value.mid(1);
                    text += QChar(value.toUShort(nullptr, 16));
                }
                break;
            case QXmlStreamReader::EndElement:
                if (xml.name() != u"byte") return text;
                break;
            default:
                break;
        }
    }
    return text;
}

std::vector<Message> readTs(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = elementText(xml);
        if (xml.name() == u"message") messages.push_back({context, {}, {}, {}});
        if (messages.empty()) continue;
        if (xml.name() == u"source") messages.back().source = elementText(xml);
        if (xml.name() == u"comment") messages.back().comment = elementText(xml);
        if (xml.name() == u"translation")
            messages.back().state = xml.attributes().value(QLatin1String("type")).toString();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::string where(const Message& m) {
    return (m.context + QLatin1String(" \"") + m.source + QLatin1Char('"')).toStdString();
}

TEST(Translations, EverySourceTextHasAFinishedTranslationInEveryModule) {
    const std::vector<Manifest> found = manifests();
    ASSERT_FALSE(found.empty()) << "no program declares language modules";
    for (const Manifest& manifest : found) {
        SCOPED_TRACE(manifest.program.toStdString());
        ASSERT_EQ(manifest.modules.size(), 8u);

        // lupdate over the sources, into copies of the translation sources.
        testsupport::TempDir dir;
        QStringList arguments{"-silent", "-locations", "none", "-I", HALVANE_SOURCE_DIR};
        arguments << manifest.sources << "-ts";
        for (const Module& module : manifest.modules) {
            const fs::path copy = dir.path() / fs::path(module.ts.toStdString()).filename();
            fs::copy_file(module.ts.toStdString(), copy);
            arguments << QString::fromStdString(copy.string());
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(HALVANE_LUPDATE), arguments);
        ASSERT_TRUE(lupdate.waitForFinished(60000));
        ASSERT_EQ(lupdate.exitCode(), 0);
        EXPECT_EQ(lupdate.readAllStandardError().toStdString(), "")
            << "lupdate misreads the sources: texts get the wrong context";

        for (const Module& module : manifest.modules) {
            SCOPED_TRACE(module.code.toStdString());
            const fs::path copy = dir.path() / fs::path(module.ts.toStdString()).filename();
            const std::vector<Message> messages = readTs(QString::fromStdString(copy.string()));
            EXPECT_FALSE(messages.empty());
            const auto loaded = LanguageModule::Load(module.file);
            ASSERT_NE(loaded, nullptr) << module.file.toStdString();
            const QTranslator& translator = loaded->translator();
            for (const Message& m : messages) {
                if (m.state == u"vanished" || m.state == u"obsolete") {
                    ADD_FAILURE() << where(m) << " is no longer in the code: build the target "
                                  << "update_translations";
                } else if (!m.state.isEmpty()) {
                    ADD_FAILURE() << where(m) << " has no finished translation";
                } else {
                    EXPECT_FALSE(translator
                                     .translate(m.context.toUtf8(), m.source.toUtf8(),
                                                m.comment.isEmpty() ? nullptr : m.comment.toUtf8())
                                     .isNull())
                        << where(m) << " is missing from " << module.file.toStdString();
                }
            }
            for (const QtText& text : QtStandardTexts())
                EXPECT_FALSE(translator.translate(text.context, text.text).isNull())
                    << text.context << " \"" << text.text << "\"";
        }
    }
}

}  // namespace
}  // namespace localisation
