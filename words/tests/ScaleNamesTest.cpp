// The scale-name table against the reference list (tests/data/scale_names.tsv,
// written by gen/make_expected_scales.py) and hand-written spot checks.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "words/NumToWords.h"

namespace {

std::vector<std::pair<std::size_t, std::string>> ReferenceNames() {
  std::ifstream in(MEGATALLY_SOURCE_DIR "/words/tests/data/scale_names.tsv");
  std::vector<std::pair<std::size_t, std::string>> names;
  std::size_t group = 0;
  std::string name;
  while (in >> group && in.get() == '\t' && std::getline(in, name)) names.emplace_back(group, name);
  return names;
}

std::string OneInGroup(std::size_t group) {
  std::string text = "1";
  for (std::size_t g = 1; g < group; ++g) text += ",000";
  return text;
}

TEST(ScaleNames, EveryEntryMatchesTheReferenceList) {
  const auto names = ReferenceNames();
  ASSERT_EQ(names.size(), 1004u);
  EXPECT_EQ(words::ScaleNames[0], "");
  EXPECT_EQ(words::ScaleNames[1], "");
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(names[i].first, i + 2);
    EXPECT_EQ(words::ScaleNames[i + 2], " " + names[i].second + ", ") << "group " << i + 2;
  }
}

TEST(ScaleNames, EveryEntrySpellsAfterItsGroup) {
  const auto names = ReferenceNames();
  ASSERT_EQ(names.size(), 1004u);
  for (const auto& [group, name] : names)
    ASSERT_EQ(words::NumberToWords(OneInGroup(group)), "One " + name) << "group " << group;
}

TEST(ScaleNames, SpotChecks) {
  const std::vector<std::pair<std::size_t, const char*>> cases = {
      {100, " Octononagintillion, "}, {200, " Octononagintacentillion, "},
      {300, " Octononagintaducentillion, "}, {400, " Octononagintatrecentillion, "},
      {500, " Octononagintaquadringentillion, "}, {600, " Octononagintaquingentillion, "},
      {700, " Octononagintasescentillion, "}, {800, " Octononagintaseptingentillion, "},
      {900, " Octononagintaoctingentillion, "}, {1000, " Octononagintanongentillion, "},
      {2, " Thousand, "}, {3, " Million, "}, {205, " Treducentillion, "},
      {50, " Otoquadragintillion, "}, {63, " unsexagintillion, "}, {65, " tresexagintillion, "},
      {66, " quattuorsexagintillion, "}, {87, " QSuinoctogintillion, "},
      {89, " Septoctogintillion, "}, {1002, " Millinillion / Millillion, "},
      {1005, " Millitrillion, "}};
  for (const auto& [group, entry] : cases) EXPECT_EQ(words::ScaleNames[group], entry) << group;
}

}  // namespace
