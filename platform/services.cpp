// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLocale>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace platform {
namespace {

// splitmix64: a small generator whose whole state is one 64-bit word, so
// mixing the clock into it is a plain xor.
std::uint64_t generatorState = 0x9E3779B97F4A7C15ull;

int openBoxes = 0;
bool ending = false;

std::uint64_t nextWord()
{
    std::uint64_t z = (generatorState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void mixClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generatorState ^= static_cast<std::uint64_t>(ticks);
    nextWord();
}

double nextFraction() { return static_cast<double>(nextWord() >> 11) * 0x1p-53; }

QMessageBox::StandardButton defaultButton(Box box)
{
    if (box.buttons == Buttons::Ok)
        return QMessageBox::Ok;
    return box.defaultReply == Reply::No ? QMessageBox::No : QMessageBox::Yes;
}

// A window manager draws the title in its own, often bold, font, with the
// window's icon and its buttons beside it; a box only as wide as its text
// would cut the date off its title. The spacer keeps the box wide enough.
// The window manager's font cannot be read from here, and schools enlarge it
// for young pupils: room is made for at least 14 points.
void makeRoomForTitle(QMessageBox& box)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setPointSizeF(std::max(font.pointSizeF(), 14.0));
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed), grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Question: return QMessageBox::Question;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Plain: break;
    }
    return QMessageBox::NoIcon;
}

Reply showBox(const QString& prompt, Box box, const QString& title)
{
    const bool yesNo = box.buttons == Buttons::YesNo;
    const auto buttons = yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox dialog(qtIcon(box.icon), title, prompt, buttons, QApplication::activeWindow());
    dialog.setDefaultButton(defaultButton(box));
    if (yesNo)
        dialog.setEscapeButton(QMessageBox::No);
    makeRoomForTitle(dialog);
    switch (dialog.exec()) {
    case QMessageBox::Yes: return Reply::Yes;
    case QMessageBox::No: return Reply::No;
    default: return Reply::Ok;
    }
}

}

Services defaultServices()
{
    return Services{
        mixClock, nextFraction, [] { return QDateTime::currentDateTime(); }, showBox, QCoreApplication::exit,
    };
}

Services& services()
{
    static Services current = defaultServices();
    return current;
}

void randomize() { services().randomize(); }
double rnd() { return services().rnd(); }
QDateTime now() { return services().now(); }

QString timeText(const QDateTime& when) { return QLocale().toString(when.time(), QLocale::ShortFormat); }

QString dateText(const QDateTime& when) { return QLocale().toString(when.date(), QLocale::ShortFormat); }

Reply msgBox(const QString& prompt, Box box, const QString& title)
{
    struct Open {
        Open() { ++openBoxes; }
        ~Open() { --openBoxes; }
    } open;
    return services().msgBox(prompt, box, title);
}

void endProgram(int status)
{
    ending = true;
    services().endProgram(status);
}

void resumeHandlers() { ending = false; }

bool handlersHeld() { return openBoxes > 0 || ending; }

}
