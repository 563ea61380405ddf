#include "localisation/TableFiles.h"

#include <QString>

namespace localisation {

namespace {

struct TableFile {
    std::string_view code;
    const char* name;
    CodePage codePage;
};

constexpr TableFile kTableFiles[] = {
    {"cs", "TABCZ.DDF", CodePage::Windows1250},       {"de", "TABDE.DDF", CodePage::Windows1252},
    {"en", kEnglishTableFile, CodePage::Windows1252}, {"es", "TABES.DDF", CodePage::Windows1252},
    {"fr", "TABFR.DDF", CodePage::Windows1252},       {"pl", "TABPL.DDF", CodePage::Windows1250},
    {"sk", "TABSK.DDF", CodePage::Windows1250},
};

}  // namespace

std::string SetLanguageDdf(std::string_view code, const std::string& current) {
    if (code.size() < 2) return current;
    for (const TableFile& table : kTableFiles)
        if (code.substr(0, 2) == table.code) return table.name;
    return current;
}

CodePage TableFileCodePage(std::string_view fileName) {
    const QString name =
        QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    for (const TableFile& table : kTableFiles)
        if (name.compare(QLatin1String(table.name), Qt::CaseInsensitive) == 0)
            return table.codePage;
    return CodePage::Windows1252;
}

}  // namespace localisation
