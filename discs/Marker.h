#pragma once

#include <QPoint>
#include <QtGlobal>

// The symbols under the arrows, read from the colour wedges at the centre of each disc.
namespace Marker {

// Symbol codes: 1, 5, 3, 7 are the numbers 1 to 4; 2, 4, 6, 8 lemon, strawberry, carrot and
// cherries; 0 is no symbol.
enum TSymbol : int
{
    KeinSymbol = 0,
    Eins = 1,
    Zitrone = 2,
    Drei = 3,
    Erdbeere = 4,
    Zwei = 5,
    Karotte = 6,
    Vier = 7,
    Kirsche = 8
};

constexpr bool IstZahl(TSymbol Symbol)
{
    return Symbol == Eins || Symbol == Zwei || Symbol == Drei || Symbol == Vier;
}

// A symbol's marker: the colour of its wedge in the disc artwork, and the colours read as it,
// Von included, Bis excluded. Colours as the toolkit writes them, 0xBBGGRR.
struct TMarker
{
    TSymbol Symbol;
    quint32 Farbe;
    quint32 Von;
    quint32 Bis;
};

// In the order in which the ranges are tried.
inline constexpr TMarker Markertabelle[] = {
    {Eins, 0xFF0000, 0xFF0000, 0xFF000A},    {Zwei, 0x80FF00, 0x80D7F0, 0x812610},
    {Drei, 0xFF00FF, 0xFF00DC, 0xFF0136},    {Vier, 0xFFFF00, 0xFFFF00, 0xFFFF1E},
    {Zitrone, 0x00F8FF, 0x00F89B, 0x00F963}, {Erdbeere, 0x2F0FFF, 0x2EE8EF, 0x2F370F},
    {Karotte, 0x2D94FC, 0x2D6DEC, 0x2DBC0C}, {Kirsche, 0x2226DD, 0x2222F5, 0x222AC5},
};

// The disc artwork's eight sectors clockwise from 12 o'clock, 45 degrees each.
inline constexpr TSymbol Sektoren[] = {Zwei, Erdbeere, Drei, Zitrone, Eins, Kirsche, Vier, Karotte};

// The colour of the symbol's wedge in the artwork.
quint32 Markerfarbe(TSymbol Symbol);

// The symbol under the arrow of a disc whose artwork rests turned clockwise by Winkel degrees
// (a multiple of 45): the sector that then stands at 6 o'clock.
TSymbol SymbolBeiWinkel(int Winkel);

// A colour as the toolkit writes it, 0xBBGGRR, from its three components.
constexpr quint32 Bgr(int Rot, int Gruen, int Blau)
{
    return (quint32(Blau) << 16) | (quint32(Gruen) << 8) | quint32(Rot);
}

// The code whose marker range holds Farbe (0xBBGGRR); a colour in no range gives Bisher.
int Symbolcode(quint32 Farbe, int Bisher);

// The pixel that is sampled on a disc picture of this size: just below its centre.
QPoint Messpunkt(int Breite, int Hoehe);

} // namespace Marker
