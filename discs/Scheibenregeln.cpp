#include "discs/Scheibenregeln.h"

namespace Scheibenregeln {

TDrehplan Drehplan(TScheibe Scheibe)
{
    switch (Scheibe) {
    case TScheibe::Links:
        return {45, 100, 135};
    case TScheibe::Mitte:
        return {60, 100, 45};
    case TScheibe::Rechts:
        break;
    }
    return {12, 800, 45};
}

int Grenze(TScheibe Scheibe, int r)
{
    return 45 * r + Drehplan(Scheibe).Zuschlag;
}

int NaechsterWinkel(int Winkel, int Schritt, bool MindestzeitLaeuft)
{
    return MindestzeitLaeuft ? Schritt : Winkel + Schritt;
}

bool ImEndanflug(int Winkel, int Grenze, int Schritt)
{
    return Winkel >= Grenze - Schritt;
}

int Ruhewinkel(TScheibe Scheibe, int r)
{
    const int Schritt = Drehplan(Scheibe).Schritt;
    const int Ende = Grenze(Scheibe, r);
    // The first frame is at 0; from then on, held by the minimum spin time or not, every frame's
    // angle is a multiple of the step, and the loop ends at the limit.
    int Winkel = 0;
    for (int Naechster = NaechsterWinkel(Winkel, Schritt, false); Naechster < Ende;
         Naechster = NaechsterWinkel(Naechster, Schritt, false))
        Winkel = Naechster;
    return Winkel;
}

Gewinntabelle::TRisikoErgebnis Risikolicht(int m)
{
    if (m < 20)
        return Gewinntabelle::TRisikoErgebnis::Nichts;
    return m % 2 == 0 ? Gewinntabelle::TRisikoErgebnis::Einfach
                      : Gewinntabelle::TRisikoErgebnis::Doppelt;
}

int NaechsterSchraubenwinkel(int Winkel)
{
    return (Winkel == 360 ? 0 : Winkel) + 45;
}

int Schraubenwinkel(int Stellung)
{
    return 45 * (Stellung + 1);
}

bool SchraubeSenkrecht(int Winkel)
{
    return Winkel % 180 == 90;
}

} // namespace Scheibenregeln
