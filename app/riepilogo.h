// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace app {

// The records' summary for a teacher, in Italian: one line per pupil and
// lesson with the answers, right and wrong, and the numbers most often
// missed. A file that is not a record, or a damaged line, is named on
// `guasti` with its line number and skipped.
void riepilogo(const std::vector<std::string>& file, std::ostream& testo, std::ostream& guasti);

}
