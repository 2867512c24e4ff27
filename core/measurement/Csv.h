#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets read them: a field holding a comma,
// a quote or a line break is quoted, its quotes doubled.
void AppendCsvField(std::string& out, std::string_view text);
// A number with that many decimals, locale-free, so a spreadsheet reads the
// point whatever the desktop's language.
void AppendCsvNumber(std::string& out, double value, int decimals);
// The fields as one line, ended by a line feed.
std::string CsvLine(const std::vector<std::string>& fields);
