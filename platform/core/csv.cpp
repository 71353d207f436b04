// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/csv.h"

#include <algorithm>

namespace platform {
namespace {

bool formula(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@\t\r'").find(text[0]) != std::string_view::npos;
}

// A character of a quoted field: false for the quote that closes it.
bool inQuotes(char c, std::string_view text, std::size_t& pos, std::string& field)
{
    const bool doubled = c == '"' && pos < text.size() && text[pos] == '"';
    pos += doubled;
    if (c != '"' || doubled)
        field += c;
    return c != '"' || doubled;
}

bool quotable(char c) { return c == ',' || c == '"' || static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }

}

std::string csvField(std::string_view text)
{
    std::string guarded = formula(text) ? "'" : "";
    guarded += text;
    if (std::none_of(guarded.begin(), guarded.end(), quotable))
        return guarded;
    std::string field = "\"";
    for (char c : guarded)
        field += c == '"' ? "\"\"" : std::string(1, c);
    return field + '"';
}

std::string csvLine(const std::vector<std::string_view>& fields)
{
    std::string line;
    const char* separator = "";
    for (std::string_view field : fields) {
        line.append(separator).append(csvField(field));
        separator = ",";
    }
    return line.append("\r\n");
}

std::string_view csvText(std::string_view field)
{
    return field.size() > 1 && field[0] == '\'' && formula(field.substr(1)) ? field.substr(1) : field;
}

bool readCsvRecord(std::string_view text, std::size_t& pos, int& line, CsvRecord& record)
{
    if (pos >= text.size())
        return false;
    record = {{std::string()}, line, true};
    bool quoted = false, closed = false;
    while (pos < text.size()) {
        const char c = text[pos++];
        line += c == '\n';
        std::string& field = record.fields.back();
        if (quoted) {
            quoted = inQuotes(c, text, pos, field);
            closed = !quoted;
        } else if (c == '\n') {
            return true;
        } else if (c == ',') {
            record.fields.emplace_back();
            closed = false;
        } else if (c == '"' && field.empty() && !closed) {
            quoted = true;
        } else if (c != '\r' || pos >= text.size() || text[pos] != '\n') {
            record.wellFormed &= !closed && c != '"';
            field += c;
        }
    }
    record.wellFormed &= !quoted;
    return true;
}

}
