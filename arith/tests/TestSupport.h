// Shared by the arithmetic tests: the generated reference tables in
// arith/tests/data, and long work run on a thread of its own that is
// cancelled once it has begun.
#pragma once

#include "arith/Cancel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace arith::detail {
int piComputationCount();  // how often BigPi has computed its digits; defined with BigPi
}

namespace arith_test {

// Known digits, not computed here: pi = 3.14159265358979323846264338...
inline const std::string kPi23 = "3.14159265358979323846264";

using Row = std::vector<std::string>;

inline std::string brief(const std::string& s)
{
    return s.size() <= 40 ? s : s.substr(0, 20) + "...(" + std::to_string(s.size()) + " chars)";
}

// One case per line, fields separated by tabs; "#" lines are comments.
inline std::vector<Row> readTable(const std::string& name)
{
    std::vector<Row> rows;
    std::ifstream in(std::string(MEGATALLY_SOURCE_DIR) + "/arith/tests/data/" + name);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        Row row;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            row.push_back(line.substr(start, tab - start));
        row.push_back(line.substr(start));
        rows.push_back(std::move(row));
    }
    return rows;
}

// Compares, for every row of the table, the fields `results` gives with as
// many fields at the row's end; the fields before them are the operands.
// Stops after ten wrong rows. Returns the number of rows.
inline std::size_t expectTable(const std::string& name, const std::function<Row(const Row&)>& results)
{
    const std::vector<Row> rows = readTable(name);
    int wrong = 0;
    for (const Row& r : rows) {
        const Row got = results(r);
        std::string where = name + ":";
        for (std::size_t i = 0; i + got.size() < r.size(); ++i)
            where += " " + brief(r[i]);
        if (got.size() >= r.size()) {
            ADD_FAILURE() << where << " has " << r.size() << " fields";
            return rows.size();
        }
        for (std::size_t i = 0; i < got.size(); ++i) {
            const std::string& want = r[r.size() - got.size() + i];
            EXPECT_EQ(got[i], want) << where;
            if (got[i] != want && ++wrong == 10) {
                ADD_FAILURE() << "stopped after ten wrong fields";
                return rows.size();
            }
        }
    }
    return rows.size();
}

struct Outcome {
    bool cancelled = false;  // ended by arith::Cancelled
    bool finished = false;   // ran to its end although the flag was set
    double secondsAfterFlag = 0;
};

// Runs work with a cancel flag installed, sets the flag 20 ms after it has
// begun and reports how it ended.
inline Outcome cancelWhileRunning(const std::function<void()>& work)
{
    std::atomic<bool> flag{false}, started{false};
    Outcome out;
    std::thread t([&] {
        arith::CancelScope scope(flag);
        started = true;
        try {
            work();
            out.finished = true;
        } catch (const arith::Cancelled&) {
            out.cancelled = true;
        }
    });
    while (!started)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto set = std::chrono::steady_clock::now();
    flag = true;
    t.join();
    out.secondsAfterFlag = std::chrono::duration<double>(std::chrono::steady_clock::now() - set).count();
    return out;
}

// Generous: the slowest step between two polls, in a sanitizer build on a
// busy machine, is far below this.
inline constexpr double kPromptSeconds = 20.0;

}  // namespace arith_test
