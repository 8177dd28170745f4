#include "tools/statistik/Kunstwerk.h"

#include "discs/Marker.h"
#include "discs/Rotation.h"

namespace Maschinenzahlen {

TCodeBeiWinkel CodeDurchDrehung(const QImage& Kunstwerk)
{
    const QImage Quelle = Kunstwerk.convertToFormat(QImage::Format_RGB888);
    return [Quelle](int Winkel) {
        QImage Lesbar = Quelle;
        QImage Ziel(Quelle.size(), QImage::Format_RGB888);
        const auto Zeilen = [](QImage& Bild) {
            return TBildzeilen{Bild.bits(), Bild.width(), Bild.height(), Bild.bytesPerLine()};
        };
        Rotation::Drehe(Zeilen(Lesbar), Zeilen(Ziel), Rotation::Mitte(Quelle.width()),
                        Rotation::Mitte(Quelle.height()), Winkel);
        const QRgb Farbe = Ziel.pixel(Marker::Messpunkt(Ziel.width(), Ziel.height()));
        return Marker::Symbolcode(Marker::Bgr(qRed(Farbe), qGreen(Farbe), qBlue(Farbe)),
                                  Marker::KeinSymbol);
    };
}

QImage Scheibenkunstwerk()
{
    return QImage(QStringLiteral(":/kunstwerk/ImageOriginal.bmp"));
}

} // namespace Maschinenzahlen
