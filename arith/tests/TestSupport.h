// Shared by the arithmetic tests: the generated reference tables in
// arith/tests/data, and long work run on a thread of its own that is
// cancelled at a chosen poll.
#pragma once

#include "arith/Cancel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
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
    bool cancelled = false;   // ended by arith::Cancelled
    bool finished = false;    // ran to its end although the flag was set
    std::uint64_t polls = 0;  // polls made in all
};

// Runs work on a thread of its own with a clear cancel flag installed,
// holds it at poll number `at`, sets the flag from this thread meanwhile and
// reports how the work ended. Work that makes fewer polls runs to its end
// with the flag still clear.
inline Outcome cancelAtPoll(const std::function<void()>& work, std::uint64_t at)
{
    std::atomic<bool> flag{false};
    arith::HoldAtPoll hold(at);
    arith::PollHookScope hook(hold);
    Outcome out;
    std::thread t([&] {
        arith::CancelScope scope(flag);
        try {
            work();
            out.finished = true;
        } catch (const arith::Cancelled&) {
            out.cancelled = true;
        }
        hold.ended();
    });
    if (hold.waitReached())
        flag = true;
    hold.release();
    t.join();
    out.polls = hold.polls();
    return out;
}

}  // namespace arith_test
