// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/checked.h"

#include "platform/core/runtime_error.h"

#include <limits>

namespace platform {
namespace {

std::int16_t narrow16(std::int32_t wide)
{
    if (wide < std::numeric_limits<std::int16_t>::min() || wide > std::numeric_limits<std::int16_t>::max())
        raise(RuntimeError::Number::Overflow);
    return static_cast<std::int16_t>(wide);
}

}

std::int16_t add16(std::int16_t a, std::int16_t b) { return narrow16(std::int32_t{a} + b); }

}
