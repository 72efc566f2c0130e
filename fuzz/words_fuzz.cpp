// NumberToWords and FractionToPlaceValue on any text: the first byte picks
// the procedure. The words contain only "(Minus)", "Zero", "Hundred", the
// words of the ones, teens and tens tables and of the scale names, each
// group's words in their order; place values keep the first five digits
// without trailing zeros over the power of ten of their count.
#include "fuzz/FuzzSupport.h"
#include "words/NumToWords.h"

#include <algorithm>
#include <array>
#include <set>

using fuzz::brief;
using fuzz::check;

namespace {

// The words of a text between single spaces, each without a final ",".
std::vector<std::string> wordsOf(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(start, end - start);
        if (!word.empty() && word.back() == ',')
            word.pop_back();
        out.push_back(std::move(word));
        start = end + 1;
    }
    return out;
}

// Every word of the tables, read through the public procedures.
const std::set<std::string>& tableWords()
{
    static const std::set<std::string> all = [] {
        std::set<std::string> w{"(Minus)", "Zero", "Hundred"};
        auto add = [&](const std::string& text) {
            for (std::string& word : wordsOf(text))
                if (!word.empty())
                    w.insert(std::move(word));
        };
        for (int i = 1; i <= 9; ++i)
            add(words::DigitToWords(std::to_string(i)));
        for (int i = 10; i <= 99; ++i)
            add(words::TensToWords(std::to_string(i)));
        for (std::string_view name : words::ScaleNames)
            add(std::string(name));
        return w;
    }();
    return all;
}

void checkNumber(const std::string& text)
{
    const std::string spelled = words::NumberToWords(text);
    const std::string_view body = text.starts_with("-") ? std::string_view(text).substr(1) : text;
    const std::size_t commas = static_cast<std::size_t>(std::count(body.begin(), body.end(), ','));
    if (!body.empty() && commas + 1 > words::kMaxGroups)
        return;  // the over-limit text
    // A display string (groups of at most three digits) is always spelled.
    bool display = true;
    for (std::size_t i = 0, run = 0; i < body.size(); ++i) {
        run = body[i] == ',' ? 0 : run + 1;
        display = display && (body[i] == ',' || fuzz::isDigit(body[i])) && run <= 3;
    }
    check(!display || !spelled.empty(), "a display string is spelled", brief(text));
    check(!display || (spelled.front() != ' ' && spelled.back() != ' ' && spelled.back() != ','),
          "the words are trimmed", brief(text) + " -> " + brief(spelled));
    check(spelled.find("  ") == std::string::npos, "one space between words", brief(text) + " -> " + brief(spelled));
    for (const std::string& word : wordsOf(spelled))
        check(tableWords().count(word) == 1, "only words of the tables", brief(text) + " -> " + word);
    check(!display || spelled.starts_with("(Minus) ") == text.starts_with("-"), "(Minus) exactly for a leading -",
          brief(text) + " -> " + brief(spelled));
}

void checkFraction(const std::string& digits)
{
    static const std::array<std::string, 5> kOver{"/10's", "/100's", "/1,000's", "/10,000's", "/100,000's"};
    const std::string shown = words::FractionToPlaceValue(digits);
    const std::string kept = words::TrimFractionZeros(digits.substr(0, 5));
    if (kept.empty()) {
        check(shown.empty(), "no place value without digits", brief(digits) + " -> " + shown);
        return;
    }
    check(shown == kept + kOver[kept.size() - 1], "the first five digits over their power of ten",
          brief(digits) + " -> " + shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 8000)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        checkNumber(text);
    else
        checkFraction(text);
    return 0;
}
