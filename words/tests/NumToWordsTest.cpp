// Group spelling, number assembly, signs, odd input, the group limit and the
// fraction suffixes; long numbers against tests/data/spelling_vectors.tsv
// (written by gen/make_spelling_vectors.py from Python ints).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "words/NumToWords.h"

namespace {

using Cases = std::vector<std::pair<std::string, std::string>>;
using Fn = std::string (*)(const std::string&);

void Check(Fn fn, const Cases& cases)
{
    for (const auto& [in, out] : cases)
        EXPECT_EQ(fn(in), out) << '"' << in << '"';
}

std::string Groups(const std::string& first, const std::string& rest, std::size_t count)
{
    std::string text = first;
    for (std::size_t i = 1; i < count; ++i)
        text += "," + rest;
    return text;
}

std::string OverLimit(const std::string& digits)
{
    return "Dude - That's a VERY large number which contains more that 3009 digits!  "
           "Since I do not know what comes after the Millitrillion's, how about we just call your result "
           "One Big Ass number and leave it at that!  Oh, by the way displaying that number may have truncated it "
           "but, it contained at least " +
           digits + " Digits! ";
}

TEST(GroupWords, DigitsTensAndHundreds)
{
    Check(words::DigitToWords, {{"1", "One"},
                                {"9", "Nine"},
                                {"0", ""},
                                {"", ""},
                                {"a", ""},
                                {".", ""},
                                {"-", ""},
                                {"10", ""},
                                {"07", "Seven"}});
    Check(
        words::TensToWords,
        {{"10", "Ten"}, {"19", "Nineteen"}, {"20", "Twenty "}, {"40", "Forty "}, {"1a", ""}, {"", ""}, {"a5", "Five"}});
    Check(words::HundredsToWords, {{"000", ""},
                                   {"00", ""},
                                   {"0", ""},
                                   {"", ""},
                                   {"12", "Twelve"},
                                   {"007", "Seven"},
                                   {"010", "Ten"},
                                   {"100", "One Hundred "},
                                   {"120", "One Hundred Twenty "},
                                   {"1234", "Two Hundred Thirty Four"}});
}

// Well-formed display strings are in the reference vectors below.
TEST(NumberToWords, ZeroSignsAndOddInput)
{
    Check(words::NumberToWords, {{"20", "Twenty"},
                                 {"1,2", "One Thousand, Two"},
                                 {"1,0005", "One Thousand, Five"},
                                 {"0", "Zero"},
                                 {"", "Zero"},
                                 {"000", "Zero"},
                                 {"-0", "(Minus) Zero"},
                                 {"-", "(Minus) Zero"},
                                 // leading zero groups are skipped; only all-zero groups read "Zero"
                                 {"0,001,234", "One Thousand, Two Hundred Thirty Four"},
                                 {"000,000,000", "Zero"},
                                 {"-0,000,005", "(Minus) Five"},
                                 {"-0,000", "(Minus) Zero"},
                                 {",,,,", "Zero"},
                                 {",5", "Five"},
                                 {"0,005", "Five"},
                                 {"5,", "Five Thousand"},
                                 {"5,,7", "Five Million, Seven"},
                                 {"abc", "Zero"},
                                 {".", "Zero"},
                                 {"-.", "(Minus) Zero"},
                                 {"--5", "(Minus) Zero"},
                                 {" 5", "Zero"},
                                 {"1.5", "One Hundred Five"}});
}

TEST(NumberToWords, GroupLimit)
{
    EXPECT_EQ(words::NumberToWords("-" + Groups("1", "000", 1005)), "(Minus) One Millitrillion");
    EXPECT_EQ(words::NumberToWords(Groups("999", "000", 1005)), "Nine Hundred Ninety Nine Millitrillion");
    EXPECT_EQ(words::NumberToWords(Groups("1", "000", 1006)), OverLimit("3016"));
    EXPECT_EQ(words::NumberToWords("-" + Groups("1", "000", 1006)), OverLimit("3016"));
    EXPECT_EQ(words::NumberToWords(Groups("12", "345", 333334)), OverLimit("1000001"));
    EXPECT_EQ(words::NumberToWords(std::string(1005, ',')), OverLimit("0"));
}

TEST(NumberToWords, ReferenceVectors)
{
    std::ifstream in(MEGATALLY_SOURCE_DIR "/words/tests/data/spelling_vectors.tsv");
    std::string text, expected;
    int count = 0;
    while (std::getline(in, text, '\t') && std::getline(in, expected)) {
        ASSERT_EQ(words::NumberToWords(text), expected) << text.substr(0, 60);
        ++count;
    }
    EXPECT_EQ(count, 475);
}

TEST(Fraction, PlaceValue)
{
    Check(words::FractionToPlaceValue, {{"5", "5/10's"},
                                        {"25", "25/100's"},
                                        {"250", "25/100's"},
                                        {"05", "05/100's"},
                                        {"125", "125/1,000's"},
                                        {"1234", "1234/10,000's"},
                                        {"12345", "12345/100,000's"},
                                        {"123456789", "12345/100,000's"},
                                        {"100000", "1/10's"},
                                        {"000001", ""},
                                        {"0", ""},
                                        {"000", ""},
                                        {"00000", ""},
                                        {"", ""}});
    Check(words::TrimFractionZeros,
          {{"", ""}, {"0", ""}, {"000", ""}, {"100", "1"}, {"5050", "505"}, {"0501", "0501"}});
}

}  // namespace
