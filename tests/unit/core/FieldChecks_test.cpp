#include "core/FieldChecks.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(FieldChecks, NumbersAreOfTheirKindAndRange) {
    struct Case {
        const char* text;
        bool whole, signedOk, decimal;  // accepted as 0..100, -100..100, -90.5..90.5
    };
    const Case cases[] = {
        {"42", true, true, true},
        {" 42 ", true, true, true},
        {"0", true, true, true},
        {"100", true, true, false},
        {"101", false, false, false},
        {"-5", false, true, true},
        {"+5", false, false, true},
        {"52.25", false, false, true},
        {".5", false, false, true},
        {"", false, false, false},
        {"   ", false, false, false},
        {"abc", false, false, false},
        {"12abc", false, false, false},
        {"1e2", false, false, false},
        {"1.2.3", false, false, false},
        {"12,5", false, false, false},
        {"-", false, false, false},
        {"99999999999999999999", false, false, false},
        {"nan", false, false, false},
        {"inf", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t whole = 7;
        int32_t signedValue = 7;
        double decimal = 7.0;
        EXPECT_EQ(!CheckWholeNumber("Priority", c.text, 0, 100, whole), c.whole);
        EXPECT_EQ(!CheckSignedNumber("Blon", c.text, -100, 100, signedValue), c.signedOk);
        EXPECT_EQ(!CheckDecimal("Latitude", c.text, -90.5, 90.5, decimal), c.decimal);
        if (!c.whole) {
            EXPECT_EQ(whole, 7u);  // a refused text changes nothing
        }
    }
    uint32_t value = 0;
    EXPECT_EQ(*CheckWholeNumber("Priority", "0", 1, 100, value), "Priority must be a whole number from 1 to 100.");
    double real = 0;
    EXPECT_EQ(*CheckDecimal("Start", "x", 0, 300000, real, " MHz"), "Start must be a number from 0 to 300000 MHz.");
    ASSERT_FALSE(CheckDecimal("Start", "145.825", 0, 300000, real));
    EXPECT_EQ(real, 145.825);
}

TEST(FieldChecks, TextsAndKeyNames) {
    EXPECT_FALSE(CheckText("Program", "", 259, false));
    EXPECT_EQ(*CheckText("Name", " ", 11, true), "Name must not be empty.");
    EXPECT_EQ(*CheckText("Name", std::string(300, 'x'), 11, false), "Name can be at most 11 characters long.");
    EXPECT_FALSE(CheckText("Name", "\xC3\x9C\xC3\x9C\xC3\x9C", 3, true));  // three characters, six bytes
    EXPECT_TRUE(CheckText("Name", "a\tb", 11, false));
    EXPECT_EQ(*CheckKeyName("Name", "AO\\51", 11), "Name cannot hold a backslash (\\).");
    EXPECT_FALSE(CheckKeyName("Name", "AO-51", 11));
}

}  // namespace
}  // namespace tarvon
