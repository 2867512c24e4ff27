#pragma once

#include "core/sim/Circuit.h"
#include "core/sim/Random.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

// Puts the state of the circuits built on their own (the random generator
// and the step's tick counter) back to how a fresh program starts; a
// document's circuits start afresh with the document.
inline void RestartProgramState()
{
    LoneCircuitSet() = CCircuitSet{};
}

// The generator of the circuits built on their own.
inline CRandom& LoneRandom()
{
    return LoneCircuitSet().random;
}

// The rows of comma-separated values as a spreadsheet would read them: by
// Python's csv module, not by a reader of this program's own.
inline std::vector<std::vector<std::string>> ReadCsv(const std::string& text)
{
    char path[] = "/tmp/tarrowin-csv-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return {};
    std::ofstream(path, std::ios::binary) << text;
    close(fd);
    const std::string command = "python3 -c 'import csv, sys\nfor row in csv.reader(open(sys.argv[1], newline=\"\", "
                                "encoding=\"utf-8\")): sys.stdout.buffer.write((\"\\x1f\".join(row) + \"\\x1e\")"
                                ".encode())' " + std::string(path);
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe))
            out += static_cast<char>(c);
        pclose(pipe);
    }
    std::remove(path);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t start = 0, end; (end = out.find('\x1e', start)) != std::string::npos; start = end + 1) {
        rows.emplace_back();
        for (std::size_t from = start, to;; from = to + 1) {
            to = std::min(out.find('\x1f', from), end);
            rows.back().push_back(out.substr(from, to - from));
            if (to == end)
                break;
        }
    }
    return rows;
}
