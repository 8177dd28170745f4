#include "discs/Marker.h"

namespace Marker {

quint32 Markerfarbe(TSymbol Symbol)
{
    for (const TMarker& M : Markertabelle)
        if (M.Symbol == Symbol)
            return M.Farbe;
    return 0;
}

TSymbol SymbolBeiWinkel(int Winkel)
{
    constexpr int Unten = 4; // the sector at 6 o'clock before the artwork turns
    const int Gedreht = (Winkel / 45) % 8;
    return Sektoren[(Unten - Gedreht + 8) % 8];
}

int Symbolcode(quint32 Farbe, int Bisher)
{
    int Code = Bisher;
    for (const TMarker& M : Markertabelle)
        if (Farbe >= M.Von && Farbe < M.Bis)
            Code = M.Symbol;
    return Code;
}

QPoint Messpunkt(int Breite, int Hoehe)
{
    return {Breite / 2, Hoehe / 2 + 5};
}

} // namespace Marker
