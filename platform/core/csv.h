// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One field of an RFC 4180 line, UTF-8 bytes as they are. Text that starts
// with = + - @ tab, carriage return or an apostrophe gets one apostrophe in
// front, so a spreadsheet keeps it as text instead of running it as a
// formula (readers drop that apostrophe: see csvText). A field holding a
// comma, a quote or any control character is quoted, its quotes doubled, so
// nothing in it can end the field or the line.
std::string csvField(std::string_view text);

// The fields joined by commas, ended by CR LF.
std::string csvLine(const std::vector<std::string_view>& fields);

// A field's text as it was before csvField guarded it from spreadsheets.
std::string_view csvText(std::string_view field);

// One record read from CSV text: its fields, the line it starts on, and
// whether its quotes were well formed.
struct CsvRecord {
    std::vector<std::string> fields;
    int line = 0;
    bool wellFormed = true;
};

// Reads the record at `pos` of `text` and moves `pos` and the line count
// past it; false at the end. A stray quote spoils its record only: the
// next one starts after the next line break outside quotes.
bool readCsvRecord(std::string_view text, std::size_t& pos, int& line, CsvRecord& record);

}
