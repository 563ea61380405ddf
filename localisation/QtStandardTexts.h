#pragma once

// Texts that Qt itself shows in the programs' windows (the buttons of message boxes and input
// boxes), listed so that every language module carries them too: installed with a module, they
// replace Qt's built-in English ones.

#include <span>

namespace localisation {

struct QtText {
    const char* context;
    const char* text;
};

std::span<const QtText> QtStandardTexts();

}  // namespace localisation
