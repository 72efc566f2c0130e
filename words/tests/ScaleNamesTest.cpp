// The scale-name table against the reference list (tests/data/scale_names.tsv,
// written by gen/make_expected_scales.py): every entry as stored and as it
// reads after a one in its group.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "words/NumToWords.h"

namespace {

TEST(ScaleNames, EveryEntryMatchesTheReferenceListAndSpellsAfterItsGroup)
{
    EXPECT_EQ(words::ScaleNames[0], "");
    EXPECT_EQ(words::ScaleNames[1], "");
    std::ifstream in(MEGATALLY_SOURCE_DIR "/words/tests/data/scale_names.tsv");
    std::size_t group = 0, count = 0;
    std::string name, oneInGroup = "1";
    while (in >> group && in.get() == '\t' && std::getline(in, name)) {
        ASSERT_EQ(group, count + 2);
        EXPECT_EQ(words::ScaleNames[group], " " + name + ", ") << "group " << group;
        oneInGroup += ",000";
        ASSERT_EQ(words::NumberToWords(oneInGroup), "One " + name) << "group " << group;
        ++count;
    }
    EXPECT_EQ(count, 1004u);
}

}  // namespace
