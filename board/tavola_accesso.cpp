// What the window offers to pupils who do not use it by eye and mouse alone:
// a screen reader's view of the board, and a keyboard that does only what
// the pupil can see and counts a held key once.
#include "board/accesso.h"
#include "board/tasti.h"
#include "board/tavola.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QProxyStyle>

namespace board {
namespace {

// A lone Alt would move the keyboard into the menu bar with nothing on
// screen to show it, and the next Enter would open "Freeware" instead of
// judging the answer. Without this hint a lone Alt does nothing; Ctrl+N
// still reaches "NUOVO".
class SenzaAlt : public QProxyStyle {
public:
    SenzaAlt() : QProxyStyle(QApplication::style()->name()) {}

    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* risposta) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, opzione, widget, risposta);
    }
};

}

void Tavola::rendiAccessibile()
{
    auto* stile = new SenzaAlt;
    stile->setParent(menuBar());
    menuBar()->setStyle(stile);
    new TastiTenuti(this);

    Text3->setAccessibleName(QStringLiteral("Risposta"));
    Text3->setAccessibleDescription(Text3->toolTip());
    // The abacus from the top band down to the base bar, where the verdict lies.
    const QRect area(Shape9->geometry().topLeft(), QPoint(Shape9->geometry().right(), Shape1->geometry().top() - 1));
    new Lettura(
        superficie,
        {Label8, Label7, Label5, Label4, Label2, Shape9, lblMessage, Label6, lblScore, Label1, lblScore1, Label3,
         lblScore2, Text3, cmdNext, cmdExit},
        Shape9, area,
        {{Label8, &Shape8(0)}, {Label7, &Shape6(1)}, {Label5, &Shape5(1)}, {Label4, &Shape4(1)}, {Label2, &Shape3(1)}});
}

void Tavola::annunciaAbaco()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent evento(Shape9, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&evento);
}

}
