#pragma once

// Re-reading the windows: every window the program has created gets the language-change event
// now, and re-reads its translatable texts (captions, hints, menu items, list items) from the
// current module. Texts that code sets at run time keep their values.

namespace localisation {

void RetranslateWindows();

}  // namespace localisation
