#pragma once

#include "discs/Marker.h"
#include "support/StBcd.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

// The machine's win table: what three resting symbols are worth. One function decides a whole
// evaluation and hands out its steps in order; the window plays them with its pauses, pictures
// and sounds, the statistics tool only adds them up.
namespace Gewinntabelle {

enum class TFrucht
{
    Zitrone,
    Erdbeere,
    Karotte,
    Kirsche
};

// Each fruit has three lamps; the third one lit completes its series.
inline constexpr int LampenJeFrucht = 3;
// Lamps lit per fruit, 0 to LampenJeFrucht - 1 between games, indexed by TFrucht.
using TBonusZaehler = std::array<int, 4>;

enum class TRisikoErgebnis
{
    Doppelt,
    Einfach,
    Nichts
};

struct TSchritt
{
    enum class TArt
    {
        Einsatzlabel, // the stake label beside the ladder gets Text
        Blinke,       // Anzahl times the arrows Links/Mitte/Rechts
        Risiko,       // a risk game on the win; Text is the stake label, empty: keep the label
        Gutschrift,   // Betrag added to the credit
        Meldung,      // Text under the face
        LampeAn,      // lamp Anzahl (1 to 3) of Frucht lit
        LampenAus,    // all three lamps of Frucht dark
        Sonderspiele, // Betrag special games added
    };

    TArt Art;
    QString Text;
    TBcdWert Betrag = {};
    int Anzahl = 0;
    bool Links = false;
    bool Mitte = false;
    bool Rechts = false;
    TFrucht Frucht = TFrucht::Zitrone;

    bool operator==(const TSchritt&) const = default;
};

struct TSpielstand
{
    // The symbol codes read (Marker::TSymbol).
    int Links = 0;
    int Mitte = 0;
    int Rechts = 0;
    bool SchraubeSenkrecht = false;
    bool RisikoEin = false;
    bool Deaktiviert = false; // the window lost its activation after the last spin frame
};

struct TAuswertung
{
    std::vector<TSchritt> Schritte;
    bool Abbruch = false;              // the game was invalid; nothing was evaluated
    bool Gewonnen = false;             // a credit win was paid
    bool SonderspieleGewonnen = false; // a bonus series was completed
    TBcdWert Zahlengewinn;             // what a risked number win kept
    // Bit n set: rule n held. Rules 1 to 5 are the number wins (1-1-1, 2-2-2, 3-3-3, the middle 3
    // alone, 4-4-4); 6 to 13 the fruits lemon, strawberry, carrot, cherries, each triple then pair.
    unsigned Regeln = 0;
};

inline constexpr int AnzahlRegeln = 13;

// How the evaluation ends for the player.
enum class TAusgang
{
    Abbruch,           // the game was invalid: no sound, no face
    Gewinn,            // the win sounds
    Sonderspielgewinn, // the special-game sounds
    Nichts,            // "Nichts!" with the wavy slot
    NichtsGestoppt,    // "Nichts!" with splashes, the pulled face and the stop sounds
};

// Asked when a number win is risked; answers which light the ladder stopped on.
using TRisikoFrage = std::function<TRisikoErgebnis()>;
// Receives each step as it is decided, before the next one (and before a risk game is asked).
using TSchrittZiel = std::function<void(const TSchritt&)>;

// Evaluates one game. Bonus is advanced in place (a completed series starts again at 0). A code
// outside 1 to 8 on any disc means that disc was not read, and such a game wins nothing.
TAuswertung WerteAus(const TSpielstand& Stand, TBonusZaehler& Bonus, const TRisikoFrage& Risiko,
                     const TSchrittZiel& Ziel = {});

// StopAngefordert: the player pressed stop in this game (right disc or risk game).
TAusgang Ausgang(const TAuswertung& Auswertung, bool StopAngefordert);

} // namespace Gewinntabelle
