// Exact results against vectors computed once by tests/gen/gen_core.py.
#include "arith/BigArithmetic.h"
#include "arith/tests/TestSupport.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using arith_test::Row;

TEST(CoreVectors, EveryOperationAgreesDigitForDigit)
{
    platform::FakePlatform fake;
    std::map<std::string, int> checked;
    arith_test::expectTable("core_vectors.txt", [&](const Row& r) -> Row {
        const std::string& op = r[0];
        ++checked[op];
        if (op == "div") {
            int precision = std::stoi(r[3]);
            std::string q = arith::BigDivide(r[1], r[2], precision);
            return {q, std::to_string(precision)};
        }
        std::string a = r[1], b = r[2];
        if (op == "add")
            return {arith::BigAdd(a, b)};
        if (op == "sub")
            return {arith::BigSubtract(a, b)};
        if (op == "mul")
            return {arith::BigMultiply(a, b)};
        if (op == "mod")
            return {arith::BigModulo(a, b)};
        if (op == "pow")
            return {arith::BigPower(a, b)};
        const arith::Boolean t = op == "lt"   ? arith::BigLessThan(a, b)
                                 : op == "le" ? arith::BigLessOrEqual(a, b)
                                 : op == "gt" ? arith::BigGreaterThan(a, b)
                                              : arith::BigGreaterOrEqual(a, b);
        return {t == arith::kTrue ? "1" : "0"};
    });
    for (const char* op : {"add", "sub", "mul", "div", "mod", "pow", "lt", "le", "gt", "ge"})
        EXPECT_GE(checked[op], 100) << op << ": vectors missing (arith/tests/data/core_vectors.txt)";
    EXPECT_EQ(checked.size(), 10u);
    EXPECT_TRUE(fake.messages.empty());
}
