// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/esercizio.h"

#include "board/lezione.h"
#include "platform/core/checked.h"
#include "platform/core/numbers.h"
#include "platform/core/runtime_error.h"

#include <cmath>

namespace board {

std::int16_t Conti::totale() const { return platform::add16(errate, esatte); }

Esercizio::Esercizio(int quante) : aste_(quante)
{
    if (quante < Lezione::minAste || quante > Lezione::maxAste)
        platform::raise(platform::RuntimeError::Number::SubscriptOutOfRange);
}

void Esercizio::estrai(double r) { valore_ = platform::round16(std::floor(r * massimo()) + 1); }

std::string Esercizio::testo() const { return platform::format(valore_, "#0"); }

}
