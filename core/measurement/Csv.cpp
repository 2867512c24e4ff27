#include "core/measurement/Csv.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

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
    char buf[32];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    out.append(buf, result.ptr);
#else
    // libc++ 13 (the browser build's) has no floating-point to_chars; its C
    // library's printf is locale-free and rounds the same way.
    const int length = std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    out.append(buf, static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(sizeof buf) - 1)));
#endif
}
