// Reads the generated reference tables in arith/tests/data: one case per
// line, fields separated by tabs, "#" lines are comments.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace roots_test {

using Row = std::vector<std::string>;

inline std::vector<Row> readTable(const std::string& name)
{
    std::vector<Row> rows;
    std::ifstream in(std::string(MEGATALLY_SOURCE_DIR) + "/arith/tests/data/" + name);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        Row row;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            row.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace roots_test
