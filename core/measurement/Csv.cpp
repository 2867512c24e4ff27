#include "core/measurement/Csv.h"

#include "core/words/Words.h"

void AppendCsvField(std::string& out, std::string_view text)
{
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        AppendCsvField(line, fields[i]);
    }
    line += '\n';
    return line;
}

void AppendCsvNumber(std::string& out, double value, int decimals)
{
    out += PointNumber(value, decimals);
}
