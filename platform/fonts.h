// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace platform {

enum class FontStyle { Regular, Bold, Italic, BoldItalic };

// A font by face name and point size. Sizes are taken at 96 dots per inch and
// set in logical pixels, so text keeps its place in the fixed board on any
// screen. A missing face falls back to the nearest of its kind: serif for
// Times New Roman, sans-serif for the rest.
QFont font(const QString& face, double points, FontStyle style = FontStyle::Regular);

// Where the only faces installed are the Liberation ones the program depends
// on, fontconfig maps the generic sans-serif face to Liberation Mono, and the
// menu bar and message boxes would be drawn monospaced: the application's font
// then becomes Liberation Sans, at the same size. Any other desktop font stays.
void avoidMonospacedDefault();

}
