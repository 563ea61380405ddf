#include "platform/text/IntegerText.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(IntegerText, ReadsDecimalAndHexadecimal) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"255", 255},
        {"  7", 7},
        {"+5", 5},
        {"-12", -12},
        {"0x1F", 31},
        {"0XfF", 255},
        {"$10", 16},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", {}},
        {"", {}},
        {" ", {}},
        {"7 ", {}},
        {"12abc", {}},
        {"0x", {}},
        {"-", {}},
        {"1.5", {}},
        {"99999999999999999999", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseInteger(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace platform
