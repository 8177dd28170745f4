#pragma once

#include "discs/Scheibenregeln.h"

#include <QImage>
#include <QSize>
#include <array>

// What the discs show on a screen of twice the pixel density: the disc artwork and the spin
// picture drawn once more at two pixels per point, turned, stretched and mirrored as the machine
// turns, stretches and mirrors its pictures of one pixel per point. Only those are read; these
// are merely shown.
class TFeineScheiben
{
public:
    using TScheibe = Scheibenregeln::TScheibe;

    // Kunst and Spin at twice the density of the artwork and of the spin picture; a null one
    // makes the pictures made from it null.
    TFeineScheiben(const QImage& Kunst, const QImage& Spin);
    // The variants the machine's pictures were loaded with.
    static TFeineScheiben AusDenBildern();

    // The disc's target was turned by Winkel degrees.
    void MerkeWinkel(TScheibe Scheibe, double Winkel);
    // The artwork turned about its centre by the disc's last angle, with the same rotation as
    // the target: the disc's resting picture, of device pixel ratio 2.
    QImage Ruhebild(TScheibe Scheibe) const;
    // The spin picture for one of Groesse points, upside down when Gespiegelt, of device pixel
    // ratio 2. Made once for a size and kept, for it is asked for at every frame.
    QImage Spinbild(QSize Groesse, bool Gespiegelt);

private:
    QImage Kunst;
    QImage Spin;
    std::array<double, 3> Winkel{};
    QSize SpinGroesse;
    QImage SpinGerade;
    QImage SpinGespiegelt;
};
