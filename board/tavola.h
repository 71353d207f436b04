#pragma once

#include "board/etichetta.h"
#include "board/forma.h"
#include "board/pulsante.h"
#include "platform/colour.h"
#include "platform/core/control_array.h"
#include "platform/core/currency.h"
#include "words/numlett.h"

#include <QLineEdit>
#include <QMainWindow>

#include <cstdint>
#include <string>
#include <utility>

class QAction;
class QMenu;

namespace board {

// The program's one window: a base-2 abacus of five rods (16, 8, 4, 2, 1),
// the answer box, the verdict line and three scores. Constructing it loads it
// from its fixed description; showing it the first time activates it, which
// puts up the first exercise.
class Tavola : public QMainWindow {
    Q_OBJECT
public:
    explicit Tavola(QWidget* parent = nullptr);

    // Spells numer in Italian words; see words::Vocabolario.
    std::string numlett(platform::Currency& numer);

    // The contest's scores. They live and die with the window.
    std::int16_t numEsercizi = 0;
    std::int16_t numEsatte = 0;
    std::int16_t numErrate = 0;

    platform::Colour BackColor() const { return backColor_; }

    // The window's event handlers. Qt reaches them through the platform's
    // error guard; they raise platform::RuntimeError on failure.
    void Form_Load();
    void Form_Activate();
    void cmdNext_Click();
    void cmdExit_Click();
    void Next_Click();
    // The key's character code; the key then reaches the box unchanged.
    void Text3_KeyPress(std::int16_t KeyAscii);

signals:
    // "NUOVO" was confirmed: the owner unloads this window and shows a new one.
    void nuovaGaraRichiesta();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Cifre {
        std::int16_t unita, duine, quartine, ottine;
        std::string sedicine;
    };

    void verifica();
    void mostraPerle();
    void estrai();
    Cifre cifre() const;
    void nascondiZeri(const Cifre& cifre);
    void tingi();
    void setBackColor(platform::Colour colore);

    // Screen readers and the keyboard; see board/tavola_accesso.cpp.
    void rendiAccessibile();
    // Tells screen readers of the new exercise and gives the answer box the
    // focus, empty.
    void annunciaEsercizio();
    // Gives "Nuovo calcolo" the focus, telling screen readers the verdict.
    void annunciaVerdetto();
    // The verdict, if any, and the scores with their captions, in words.
    QString punteggi() const;
    // The news a screen reader is to speak with the control's focus, kept in
    // its property "notizia" and, with Qt before 6.8, in its description.
    void descrivi(QWidget* controllo, const QString& notizia);
    // Gives the control the focus with its news (see board/tavola_accesso.cpp).
    void daiFuoco(QWidget* controllo, const QString& notizia);
    // Sends the news that waits for the window to be active (Qt 6.8 on).
    void annunciaSospeso();

    void costruisci();
    void costruisciCaselle();
    void costruisciPulsanti();
    void costruisciAbaco();
    void costruisciPunteggi();
    void costruisciMenu();
    void impila();
    void collega();
    Etichetta* etichetta(const char* nome, const QRect& box, const QString& caption,
                         const Etichetta::Aspetto& aspetto = {});
    Forma* forma(const char* nome, const QRect& box, const Forma::Aspetto& aspetto);
    QLineEdit* casella(const char* nome, const QRect& box, const QString& testo);

    QWidget* superficie = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text1 = nullptr;
    Pulsante* cmdNext = nullptr;
    Pulsante* cmdExit = nullptr;
    QWidget* Picture1 = nullptr;
    Etichetta* Label8 = nullptr;
    Etichetta* Label7 = nullptr;
    Etichetta* Label5 = nullptr;
    Etichetta* Label4 = nullptr;
    Etichetta* Label2 = nullptr;
    Forma* Shape9 = nullptr;
    Forma* Shape7 = nullptr;
    Etichetta* Lblesatto = nullptr;
    Etichetta* lblMessage = nullptr;
    Forma* Shape1 = nullptr;
    Etichetta* Label1 = nullptr;
    Etichetta* Label3 = nullptr;
    Etichetta* lblScore2 = nullptr;
    Etichetta* lblScore1 = nullptr;
    Etichetta* lblScore = nullptr;
    Etichetta* Label6 = nullptr;
    platform::ControlArray<Forma> Shape2, Shape3, Shape4, Shape5, Shape6, Shape8;
    platform::ControlArray<QMenu> Ciao;
    QAction* Next = nullptr;

    words::Vocabolario vocabolario;
    platform::Colour backColor_ = 0;
    bool attivata = false;
    std::pair<QWidget*, QString> annuncioSospeso_;
};

}
