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

using Fields = std::vector<std::string>;

const std::vector<Fields>& vectors()
{
    static const std::vector<Fields> rows = [] {
        std::vector<Fields> out;
        std::ifstream in(std::string(MEGATALLY_SOURCE_DIR) + "/arith/tests/data/core_vectors.txt");
        for (std::string line; std::getline(in, line);) {
            Fields f;
            std::size_t start = 0;
            for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
                f.push_back(line.substr(start, tab - start));
            f.push_back(line.substr(start));
            out.push_back(std::move(f));
        }
        return out;
    }();
    return rows;
}

std::string brief(const std::string& s)
{
    return s.size() <= 40 ? s : s.substr(0, 20) + "...(" + std::to_string(s.size()) + " chars)";
}

arith::Boolean compare(const std::string& op, std::string a, std::string b)
{
    return op == "lt" ? arith::BigLessThan(a, b) : op == "le" ? arith::BigLessOrEqual(a, b)
         : op == "gt" ? arith::BigGreaterThan(a, b) : arith::BigGreaterOrEqual(a, b);
}

}  // namespace

TEST(CoreVectors, EveryOperationAgreesDigitForDigit)
{
    platform::FakePlatform fake;
    std::map<std::string, int> checked;
    for (const Fields& r : vectors()) {
        const std::string& op = r[0];
        const std::string where = op + "(" + brief(r[1]) + ", " + brief(r[2]) + ")";
        std::string got;
        if (op == "div") {
            ASSERT_EQ(r.size(), 6u) << where;
            int precision = std::stoi(r[3]);
            ASSERT_EQ(arith::BigDivide(r[1], r[2], precision), r[4]) << where << " @" << r[3];
            ASSERT_EQ(precision, std::stoi(r[5])) << where << " @" << r[3];
            ++checked[op];
            continue;
        }
        ASSERT_EQ(r.size(), 4u) << where;
        if (op == "add") got = arith::BigAdd(r[1], r[2]);
        else if (op == "sub") got = arith::BigSubtract(r[1], r[2]);
        else if (op == "mul") got = arith::BigMultiply(r[1], r[2]);
        else if (op == "mod") got = arith::BigModulo(r[1], r[2]);
        else if (op == "pow") got = arith::BigPower(r[1], r[2]);
        else got = compare(op, r[1], r[2]) == arith::kTrue ? "1" : "0";
        ASSERT_EQ(got, r[3]) << where;
        ++checked[op];
    }
    for (const char* op : {"add", "sub", "mul", "div", "mod", "pow", "lt", "le", "gt", "ge"})
        EXPECT_GE(checked[op], 100) << op << ": vectors missing (arith/tests/data/core_vectors.txt)";
    EXPECT_TRUE(fake.messages.empty());
}
