// Exact results against vectors computed once by tests/gen/gen_core.py.
#include "arith/BigArithmetic.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::vector<std::string>> loadVectors()
{
    std::ifstream in(std::string(MEGATALLY_SOURCE_DIR) + "/arith/tests/data/core_vectors.txt");
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream ss(line);
        std::string f;
        while (std::getline(ss, f, '\t'))
            fields.push_back(f);
        // A trailing empty field (an empty expected result) is dropped by getline.
        if (!line.empty() && line.back() == '\t')
            fields.push_back("");
        rows.push_back(std::move(fields));
    }
    return rows;
}

const std::vector<std::vector<std::string>>& vectors()
{
    static const auto rows = loadVectors();
    return rows;
}

std::size_t countOf(const std::string& op)
{
    std::size_t n = 0;
    for (const auto& r : vectors())
        n += r[0] == op ? 1 : 0;
    return n;
}

std::string shortText(const std::string& s)
{
    return s.size() <= 60 ? s : s.substr(0, 30) + "...(" + std::to_string(s.size()) + " chars)";
}

}  // namespace

TEST(CoreVectors, FileIsPresentAndComplete)
{
    ASSERT_FALSE(vectors().empty()) << "arith/tests/data/core_vectors.txt missing";
    for (const char* op : {"add", "sub", "mul", "div", "mod", "pow", "lt", "le", "gt", "ge"})
        EXPECT_GE(countOf(op), 100u) << op;
}

TEST(CoreVectors, AddSubtractMultiplyModuloPower)
{
    platform::FakePlatform fake;
    std::map<std::string, int> checked;
    for (const auto& r : vectors()) {
        const std::string& op = r[0];
        std::string got;
        if (op == "add")
            got = arith::BigAdd(r[1], r[2]);
        else if (op == "sub")
            got = arith::BigSubtract(r[1], r[2]);
        else if (op == "mul")
            got = arith::BigMultiply(r[1], r[2]);
        else if (op == "mod")
            got = arith::BigModulo(r[1], r[2]);
        else if (op == "pow")
            got = arith::BigPower(r[1], r[2]);
        else
            continue;
        ++checked[op];
        ASSERT_EQ(got, r[3]) << op << "(" << shortText(r[1]) << ", " << shortText(r[2]) << ")";
    }
    EXPECT_EQ(checked.size(), 5u);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(CoreVectors, DivideWithPrecisionWriteBack)
{
    platform::FakePlatform fake;
    int checked = 0;
    for (const auto& r : vectors()) {
        if (r[0] != "div")
            continue;
        int precision = std::stoi(r[3]);
        const std::string got = arith::BigDivide(r[1], r[2], precision);
        ASSERT_EQ(got, r[4]) << "div(" << shortText(r[1]) << ", " << shortText(r[2]) << ", " << r[3] << ")";
        ASSERT_EQ(precision, std::stoi(r[5])) << "precision after div(" << shortText(r[1]) << ", "
                                               << shortText(r[2]) << ")";
        ++checked;
    }
    EXPECT_GT(checked, 0);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(CoreVectors, Comparisons)
{
    for (const auto& r : vectors()) {
        const std::string& op = r[0];
        if (op != "lt" && op != "le" && op != "gt" && op != "ge")
            continue;
        std::string a = r[1];
        std::string b = r[2];
        arith::Boolean got = op == "lt"   ? arith::BigLessThan(a, b)
                             : op == "le" ? arith::BigLessOrEqual(a, b)
                             : op == "gt" ? arith::BigGreaterThan(a, b)
                                          : arith::BigGreaterOrEqual(a, b);
        ASSERT_EQ(got, r[3] == "1" ? arith::kTrue : arith::kFalse) << op << "(" << shortText(r[1]) << ", "
                                                                   << shortText(r[2]) << ")";
    }
}
