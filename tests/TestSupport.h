#pragma once

#include "core/sim/Circuit.h"
#include "core/sim/Random.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
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

// The rows of comma-separated values as a spreadsheet reads them: by
// Python's csv module, not by a reader of this program's own.
inline std::vector<std::vector<std::string>> ReadCsv(const std::string& text)
{
    char path[] = "/tmp/tarrowin-csv-XXXXXX";
    close(mkstemp(path));
    std::ofstream(path, std::ios::binary) << text;
    const std::string read = "python3 -c 'import csv, sys\nfor row in csv.reader(open(sys.argv[1], newline=\"\")): "
                             "sys.stdout.buffer.write(\"\\0\".join(row + [\"\\n\"]).encode())' ";
    std::vector<std::vector<std::string>> rows{{}};
    FILE* pipe = popen((read + path).c_str(), "r");
    std::string field;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe))
        if (c == '\0')
            rows.back().push_back(std::exchange(field, {}));
        else if (c == '\n' && field.empty())
            rows.emplace_back();
        else
            field += static_cast<char>(c);
    pclose(pipe);
    std::remove(path);
    rows.pop_back();
    return rows;
}
