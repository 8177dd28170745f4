#pragma once

#include "support/StBcd.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

// The rules of money in and out, without widgets: the nine money pictures, the limit on
// deposits, the breakdown of a payout into notes and coins, and the emptying of the cash box.
namespace Geld {

// One of the nine money pictures of the side panel.
struct TGeldBild
{
    const char* Steuerelement; // object name of the picture, "Button_50_Euro"
    const char* Betrag;        // amount text, "50" or "0,5"
    const char* Logspalte;     // the 12 characters of the deposit line's amount column
    bool Limitpruefung;        // refused above the limit; the small coins never are
};

// Largest first: 50, 20, 10, 5 Euro, 2, 1 Euro, 50, 20, 10 Cent.
const std::array<TGeldBild, 9>& GeldBilder();

// The entry of the picture with that object name; nullptr for any other name.
const TGeldBild* GeldBildFuer(QStringView Steuerelement);

enum class TGeldArt
{
    Schein,
    Muenze
};

// The size the falling picture takes for an item of the payout.
enum class TFallGroesse
{
    Behalten,    // the size the falling picture has (notes, and the 20 Cent coin)
    WieMuenzbild // the size of the coin's picture in the panel
};

// One kind of item of the payout.
struct TAuszahlPosten
{
    const char* Name; // "50EuroSchein"
    int Bild;         // index into GeldBilder()
    TBcdWert Betrag;
    TGeldArt Art;
    TFallGroesse Groesse;
};

const std::array<TAuszahlPosten, 9>& AuszahlPosten();

// The item of that name; nullptr for any other name.
const TAuszahlPosten* AuszahlPostenFuer(QStringView Name);

// The price of a game, 20 Cent.
TBcdWert Spielpreis();

// The payout, rounded to whole cents, as item names, largest first: the whole Euros in notes
// and 2 and 1 Euro coins, then the cents in 50, 20 and 10 Cent coins. Cents that are no
// multiple of 10 are not paid out in coins. Empty for a negative amount and for a payout of
// more than MaxAuszahlStuecke 50 Euro notes, which no count-out can show: the books pay it all
// the same.
inline constexpr qint64 MaxAuszahlStuecke = 100000;
QStringList AuszahlListe(const TBcdWert& Auszahlung);

// Special games a visit can hold: every game wins at most 20 and a game takes seconds, so a
// day of luck stays far below.
inline constexpr int MaxSonderspiele = 1000000;

// The whole-Euro part of the credit, as the limit test sees it; held at the ends of int.
int GeldSpeicherEuro(const TBcdWert& Guthaben);

// Above this figure deposits of 50 Cent and more are refused and the intake is not animated.
inline constexpr int Limit = 10000;
inline bool UeberDemLimit(int GeldSpeicherEuro)
{
    return GeldSpeicherEuro > Limit;
}

// The charge for a game: a special game first, else 20 Cent of credit; when neither is there,
// no game starts and Ablehnung is what the machine tells the player ("1 Spiel kostet 20 Cent"
// without credit, "Betrag reicht nicht! 1 Spiel = 20 Cent" with 10 Cent, else nothing).
enum class TBezahlart
{
    Sonderspiel,
    Guthaben,
    Abgelehnt
};
struct TSpielbezahlung
{
    TBezahlart Art;
    TBcdWert Guthaben;     // after the charge; unchanged when refused
    TBcdWert SonderSpiele; // after the charge
    QString Ablehnung;
};
TSpielbezahlung BezahleSpiel(const TBcdWert& Guthaben, const TBcdWert& SonderSpiele);

// The cash box from its stored text with the decimal comma in place ("1234,56"); nullopt when
// that is no decimal or has more integer digits than the cash box holds exactly together with
// its cents (16 of the 18 digits). A negative cash box is one that paid out more than it took.
std::optional<TBcdWert> KassenstandAusText(const QString& Text);

// The cash box must be emptied from 10000,00 to 10999,99 (rounded to cents).
bool KasseMussGeleertWerden(const TBcdWert& Kasse);

// A deposit, computed before anything is written.
struct TEinzahlung
{
    TBcdWert Guthaben;
    TBcdWert Kasse;
    QString KassenText; // the cash box with two places, for its display
};
// Throws EStBCDError when a sum leaves the decimal range.
TEinzahlung BerechneEinzahlung(const TBcdWert& Guthaben, const TBcdWert& Kasse,
                               const TGeldBild& Bild);

// A payout, computed before anything is written: the special games become credit at the price
// of a game, the whole credit leaves the cash box.
struct TAuszahlung
{
    TBcdWert Guthaben;      // what is paid out
    TBcdWert SonderSpiele;  // none left
    QString AuszahlungText; // the payout with two places
    TBcdWert Kasse;         // the cash box less the payout
    QString KassenText;     // the same with two places
    QStringList Liste;      // the items that fall, largest first
};
// Throws EStBCDError when a value leaves the decimal range.
TAuszahlung BerechneAuszahlung(const TBcdWert& Guthaben, const TBcdWert& SonderSpiele,
                               const TBcdWert& Kasse);

} // namespace Geld
