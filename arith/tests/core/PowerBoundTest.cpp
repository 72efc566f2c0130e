// BigPowerTooLarge answers exactly for the powers BigPower refuses.
#include "arith/BigArithmetic.h"
#include "arith/Messages.h"
#include "arith/detail/Limits.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using namespace arith;

TEST(PowerBound, PredicateMatchesTheRefusal)
{
    const struct {
        const char *base, *exponent;
        bool tooLarge;
    } rows[] = {
        {"2", "1000000000000", true},
        {"2", "-1000000000000", true},
        {"-3", "999999999999999", true},
        {"10", "268435457", true},
        {"10", "1000", false},
        {"0.1", "268435457", true},
        {"1", "1000000000000", false},
        {"-1", "1000000000001", false},
        {"1.000", "1000000000000", false},
        {"0", "1000000000000", false},
        {"-0", "-5", false},
        {"2", "2.5", false},
        {"2", "1", false},
        {"2", "-1", false},
        {"2", "0", false},
        {"1.5", "100", false},
        {"123456789012", "30000000", true},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(BigPowerTooLarge(r.base, r.exponent), r.tooLarge) << r.base << " ^ " << r.exponent;
        platform::FakePlatform fake;
        const std::string power = BigPower(r.base, r.exponent);
        const bool refused = !fake.messages.empty() && fake.messages[0].text == messages::kPowerTooLarge.text;
        EXPECT_EQ(refused, r.tooLarge) << r.base << " ^ " << r.exponent;
        if (refused) {
            EXPECT_EQ(power, "0");
        }
    }
}

// The estimate is within a digit of the text's length, trailing "." aside.
TEST(PowerBound, DigitEstimateIsCloseToTheExactLength)
{
    const struct {
        const char *base, *exponent;
    } rows[] = {{"2", "100000"}, {"-7", "3001"}, {"999", "999"}, {"0.5", "200"}, {"12.25", "50"}, {"2", "-30"}};
    for (const auto& r : rows) {
        const std::string power = BigPower(r.base, r.exponent[0] == '-' ? r.exponent + 1 : r.exponent);
        const double exact =
            static_cast<double>(power.size() - (power[0] == '-') - (power.find('.') != std::string::npos));
        EXPECT_NEAR(BigPowerDigits(r.base, r.exponent), exact, 1.5) << r.base << " ^ " << r.exponent;
    }
    for (const char* trivial : {"0", "1", "-1", "1.000"})
        EXPECT_EQ(BigPowerDigits(trivial, "1000000000000"), 0) << trivial;
    EXPECT_EQ(BigPowerDigits("2", "2.5"), 0);
    EXPECT_EQ(BigPowerDigits("2", "1"), 0);
}
