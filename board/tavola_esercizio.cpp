// A new exercise: a number from 1 to 31 drawn and shown as beads.
#include "board/tavola.h"

#include "platform/core/checked.h"
#include "platform/core/numbers.h"
#include "platform/services.h"

#include <cmath>

namespace board {

void Tavola::cmdNext_Click()
{
    verifica();
    mostraPerle();
    Text2->setText(QString());
    lblMessage->setCaption(QString());
    platform::randomize();
    numEsercizi = platform::add16(numEsercizi, 1);
    estrai();
    const Cifre c = cifre();
    platform::Currency valore = platform::Currency::fromText(Text1->text().toStdString());
    Text2->setText(QString::fromStdString(numlett(valore)));
    nascondiZeri(c);
    annunciaEsercizio();
    tingi();
}

void Tavola::mostraPerle()
{
    Shape3(1).setVisible(true);
    Shape4(1).setVisible(true);
    Shape5(1).setVisible(true);
    Shape6(1).setVisible(true);
    Shape8(0).setVisible(true);
}

void Tavola::estrai()
{
    const std::int16_t valore = platform::round16(std::floor(platform::rnd() * 31) + 1);
    Text1->setText(QString::fromStdString(platform::format(valore, "#0")));
}

// The digits come from the text of Text1, each above the units found by
// taking the digits below it away and dividing by the digit's weight.
Tavola::Cifre Tavola::cifre() const
{
    using namespace platform;
    const auto valore = [this] { return textToDouble(Text1->text().toStdString()); };
    const auto cifra = [](double quoziente) { return static_cast<std::int16_t>(mod32(round32(quoziente), 2)); };
    Cifre c{};
    c.unita = static_cast<std::int16_t>(mod32(textToLong(Text1->text().toStdString()), 2));
    std::int16_t sotto = c.unita;
    c.duine = cifra((valore() - sotto) / 2);
    sotto = add16(sotto, mul16(2, c.duine));
    c.quartine = cifra((valore() - sotto) / 4);
    sotto = add16(sotto, mul16(4, c.quartine));
    c.ottine = cifra((valore() - sotto) / 8);
    sotto = add16(sotto, mul16(8, c.ottine));
    c.sedicine = doubleToText((valore() - sotto) / 16);
    return c;
}

void Tavola::nascondiZeri(const Cifre& c)
{
    if (c.unita == 0)
        Shape3(1).setVisible(false);
    if (c.duine == 0)
        Shape4(1).setVisible(false);
    if (c.quartine == 0)
        Shape5(1).setVisible(false);
    if (c.ottine == 0)
        Shape6(1).setVisible(false);
    if (c.sedicine == "0")
        Shape8(0).setVisible(false);
}

// Red and blue grow with the wrong answers, green with the right ones; each
// saturates at 255, so no score can make the tint fail.
void Tavola::tingi()
{
    const int blu = numErrate * 50 + 25;
    const int verde = numEsatte + 125;
    const int rosso = numErrate + 20;
    setBackColor(platform::rgb(rosso, verde, blu));
}

}
