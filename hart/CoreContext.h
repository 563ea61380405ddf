#pragma once

// What the request builder and the reply decoder need from their surroundings: the code tables,
// the user's number and date format, and the number of significant digits of float texts.

#include "hart/CodeTables.h"
#include "platform/locale/UserLocale.h"

namespace hart {

struct CoreContext {
    const CodeTables& tables;
    const platform::UserLocale& locale;
    int floatPrecision = 6;  // FloatPrecision: 6 or 9
};

// Poll intervals (ms) the driver starts with, and the one a generic request asks for.
constexpr int kPrimaryPollInterval = 380;
constexpr int kSecondaryPollInterval = 305;
constexpr int kGenericPollInterval = 600;

}  // namespace hart
