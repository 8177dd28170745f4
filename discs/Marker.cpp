#include "discs/Marker.h"

namespace {

struct TBereich
{
    int Code;
    quint32 Von; // included
    quint32 Bis; // excluded
};

// In the order in which the ranges are tried.
constexpr TBereich Bereiche[] = {
    {Marker::Eins, 0xFF0000, 0xFF000A},    {Marker::Zwei, 0x80D7F0, 0x812610},
    {Marker::Drei, 0xFF00DC, 0xFF0136},    {Marker::Vier, 0xFFFF00, 0xFFFF1E},
    {Marker::Zitrone, 0x00F89B, 0x00F963}, {Marker::Erdbeere, 0x2EE8EF, 0x2F370F},
    {Marker::Karotte, 0x2D6DEC, 0x2DBC0C}, {Marker::Kirsche, 0x2222F5, 0x222AC5},
};

} // namespace

namespace Marker {

int Symbolcode(quint32 Farbe, int Bisher)
{
    int Code = Bisher;
    for (const TBereich& Bereich : Bereiche)
        if (Farbe >= Bereich.Von && Farbe < Bereich.Bis)
            Code = Bereich.Code;
    return Code;
}

QPoint Messpunkt(int Breite, int Hoehe)
{
    return {Breite / 2, Hoehe / 2 + 5};
}

} // namespace Marker
