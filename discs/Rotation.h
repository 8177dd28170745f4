#pragma once

#include <QtGlobal>

// A 24-bit picture as rows of 3 bytes per pixel; Zeilenabstand is the distance of two rows in
// bytes (at least 3 * Breite, rows may be padded).
struct TBildzeilen
{
    uchar* Daten = nullptr;
    int Breite = 0;
    int Hoehe = 0;
    qsizetype Zeilenabstand = 0;

    uchar* Zeile(int y) const { return Daten + y * Zeilenabstand; }
};

// The rotation of the discs and of the screw: nearest neighbour, inverse mapping in half pixels
// about (MitteX, MitteY). A positive angle in degrees turns the picture clockwise on the screen.
// Ziel must have the size of Quelle; pixels that fall outside the source become black.
namespace Rotation {

// The centre of a picture: each halving taken to the nearest integer, (125, 125) for 250 x 250.
int Mitte(int Laenge);

// What the machine uses: the same pixels as DreheEinfach, several times faster.
void Drehe(const TBildzeilen& Quelle, const TBildzeilen& Ziel, int MitteX, int MitteY,
           double Winkel);

// The rotation written pixel by pixel as the rule reads; the yardstick for Drehe.
void DreheEinfach(const TBildzeilen& Quelle, const TBildzeilen& Ziel, int MitteX, int MitteY,
                  double Winkel);

// Ziel (the size of Quelle) shows Quelle upside down: row i of Ziel is row Hoehe - 1 - i.
void SpiegleVertikal(const TBildzeilen& Quelle, const TBildzeilen& Ziel);

} // namespace Rotation
