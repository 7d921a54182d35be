#pragma once

#include <initializer_list>
#include <string>

// Comma-separated text as spreadsheets read it: a field holding a comma, a quote or a line break
// is quoted, its quotes doubled; lines end in CR LF.
std::string CsvField(const std::string& text);
// The fields joined into one line, CR LF included.
std::string CsvLine(std::initializer_list<std::string> fields);
