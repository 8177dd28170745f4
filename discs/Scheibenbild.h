#pragma once

#include "discs/Marker.h"
#include "discs/Rotation.h"

#include <QImage>

// The rotation and the marker reading on the toolkit's pictures, as the window turns and reads
// its discs and its screw; the statistics tool and the tests turn and read the artwork the same
// way without a window.
namespace Scheibenbild {

// The rows of a 24-bit picture (QImage::Format_RGB888) for the rotation.
inline TBildzeilen Zeilen(QImage& Bild)
{
    return {Bild.bits(), Bild.width(), Bild.height(), Bild.bytesPerLine()};
}

inline TBildzeilen Zeilen(const QImage& Bild)
{
    // The rotation only reads its source; constBits() keeps the picture's data unshared.
    return {const_cast<uchar*>(Bild.constBits()), Bild.width(), Bild.height(), Bild.bytesPerLine()};
}

// Ziel becomes Quelle in 24 bits turned by Winkel degrees about (MitteX, MitteY); Ziel keeps its
// memory when its size fits.
inline void DreheInZiel(const QImage& Quelle, QImage& Ziel, int MitteX, int MitteY, double Winkel)
{
    const QImage Vorlage = Quelle.convertToFormat(QImage::Format_RGB888);
    if (Ziel.size() != Vorlage.size() || Ziel.format() != QImage::Format_RGB888)
        Ziel = QImage(Vorlage.size(), QImage::Format_RGB888);
    Rotation::Drehe(Zeilen(Vorlage), Zeilen(Ziel), MitteX, MitteY, Winkel);
}

// Quelle in 24 bits turned by Winkel degrees about its centre.
inline QImage Gedreht(const QImage& Quelle, double Winkel)
{
    QImage Ziel;
    DreheInZiel(Quelle, Ziel, Rotation::Mitte(Quelle.width()), Rotation::Mitte(Quelle.height()),
                Winkel);
    return Ziel;
}

// The colour of a pixel inside the picture as the toolkit writes it, 0xBBGGRR.
inline quint32 Farbe(const QImage& Bild, QPoint Punkt)
{
    const QRgb Wert = Bild.pixel(Punkt);
    return Marker::Bgr(qRed(Wert), qGreen(Wert), qBlue(Wert));
}

// The code of the marker just below the centre of a disc picture; Bisher where its colour is in
// no range or the picture is too small to have the point.
inline int Symbolcode(const QImage& Bild, int Bisher)
{
    const QPoint Punkt = Marker::Messpunkt(Bild.width(), Bild.height());
    return Bild.valid(Punkt) ? Marker::Symbolcode(Farbe(Bild, Punkt), Bisher) : Bisher;
}

} // namespace Scheibenbild
