#include "driver/app/DriverLanguage.h"

#include <QCoreApplication>

#include "localisation/CodePages.h"
#include "localisation/Languages.h"
#include "localisation/Retranslate.h"

namespace driver {

bool SwitchDriverLanguage(localisation::ResourceModule& resources, const QString& programFile,
                          const std::string& language) {
    const localisation::Language* found = localisation::FindLanguage(language);
    if (!found) return false;
    if (!localisation::LoadModuleForLanguage(resources, programFile, found->languageId))
        return false;
    localisation::LoadQtTranslations(resources, found->code);
    localisation::RetranslateWindows();
    return true;
}

std::string UnknownCodePrefix() {
    //: UnknownCodePrefix: the text of a code the table file has no name for, %1 standing for its
    //: number. Keep it "%1": other programs take a bare number for "no name".
    const QString text = QCoreApplication::translate("driver::CodeTables", "%1");
    const qsizetype number = text.indexOf(QLatin1String("%1"));
    return localisation::ToCodePage(number < 0 ? text : text.left(number),
                                    localisation::CodePage::Windows1252);
}

}  // namespace driver
