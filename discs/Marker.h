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
