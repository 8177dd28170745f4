#pragma once

#include "discs/Gewinntabelle.h"

#include <QPoint>
#include <QtGlobal>

// How the discs spin and come to rest, how the risk ladder ends by itself, and how the screw
// turns: the window plays these rules frame by frame, the statistics tool counts with them.
namespace Scheibenregeln {

enum class TScheibe
{
    Links,
    Mitte,
    Rechts
};

// A disc's spin: the draw r is uniform in 0 .. Ziehungen - 1, the spin loop runs up to the limit
// 45 r + Zuschlag degrees, Schritt degrees a frame.
struct TDrehplan
{
    int Ziehungen;
    int Zuschlag;
    int Schritt;
};
TDrehplan Drehplan(TScheibe Scheibe);

// The limit in degrees of the spin for the draw r.
int Grenze(TScheibe Scheibe, int r);

// The angle of the frame after the frame at Winkel: held at one step while the minimum spin time
// runs, then one step further each frame.
int NaechsterWinkel(int Winkel, int Schritt, bool MindestzeitLaeuft);

// From this angle on the disc is in its last frames: its spin picture stops flickering.
bool ImEndanflug(int Winkel, int Grenze, int Schritt);

// The angle (degrees) at which a disc comes to rest for the draw r when the player does not stop
// it: the last frame its spin loop draws.
int Ruhewinkel(TScheibe Scheibe, int r);

// The risk ladder that nobody stopped ends on the light of a draw m uniform in 0 .. 59: below 20
// nothing, else even the single and odd the double win, each with probability 1/3.
inline constexpr int Risikoziehungen = 60;
Gewinntabelle::TRisikoErgebnis Risikolicht(int m);

// The screw turns 45 degrees a tick through the eight positions 45, 90, ..., 360; 0 only before
// its first tick.
inline constexpr int Schraubenstellungen = 8;
int NaechsterSchraubenwinkel(int Winkel);
// Stellung 0 .. 7 stands for 45 (Stellung + 1) degrees.
int Schraubenwinkel(int Stellung);
// The slot stands vertical at 90 and 270 degrees, where the carrot triple pays more.
bool SchraubeSenkrecht(int Winkel);

// The screw artwork (30 x 30): a head with a horizontal slot; the window reads the slot's colour
// at one pixel of the turned screw. Colours 0xBBGGRR.
inline constexpr QPoint Schlitzpunkt{13, 3};
inline constexpr quint32 Schlitzfarbe = 0xC0C0C0;
inline constexpr quint32 Kopffarbe = 0x9A7069;

} // namespace Scheibenregeln
