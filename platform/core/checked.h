// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace platform {

// 16-bit signed arithmetic of the counters: a result outside -32768..32767
// raises error 6 before anything is assigned, so the target keeps its value.
[[nodiscard]] std::int16_t add16(std::int16_t a, std::int16_t b);

}
