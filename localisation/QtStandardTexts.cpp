#include "localisation/QtStandardTexts.h"

#include <QtGlobal>

namespace localisation {

namespace {

// The standard buttons' texts as Qt's platform themes ask for them (the generic theme, and the
// GNOME one on such desktops).
constexpr QtText kTexts[] = {
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "OK")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&No")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&OK")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel")},
};

}  // namespace

std::span<const QtText> QtStandardTexts() {
    return kTexts;
}

}  // namespace localisation
