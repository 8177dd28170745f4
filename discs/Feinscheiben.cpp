#include "discs/Feinscheiben.h"

#include "discs/Scheibenbild.h"
#include "ui/Bilder.h"

namespace {

QImage MitDichte(QImage Bild)
{
    Bild.setDevicePixelRatio(2);
    return Bild;
}

QImage Geladen(const char* Name)
{
    const QString Datei = QLatin1String(Name);
    return Bilder::Feinbild(Bilder::Lade(Datei, {}, Datei));
}

} // namespace

// The rotation reads 24 bits, the painter draws 32 bits fastest; converted once here.
TFeineScheiben::TFeineScheiben(const QImage& Kunst, const QImage& Spin)
    : Kunst(Kunst.isNull() ? QImage() : Kunst.convertToFormat(QImage::Format_RGB888)),
      Spin(Spin.isNull() ? QImage() : MitDichte(Spin.convertToFormat(QImage::Format_RGB32)))
{}

TFeineScheiben TFeineScheiben::AusDenBildern()
{
    return TFeineScheiben(Geladen("ImageOriginal"), Geladen("ImageDrehscheibe2"));
}

void TFeineScheiben::MerkeWinkel(TScheibe Scheibe, double Neu)
{
    Winkel[static_cast<int>(Scheibe)] = Neu;
}

QImage TFeineScheiben::Ruhebild(TScheibe Scheibe) const
{
    if (Kunst.isNull())
        return {};
    return MitDichte(Scheibenbild::Gedreht(Kunst, Winkel[static_cast<int>(Scheibe)]));
}

QImage TFeineScheiben::Spinbild(QSize Groesse, bool Gespiegelt)
{
    const QSize Pixel = Groesse * 2;
    if (Spin.isNull() || Groesse.isEmpty())
        return {};
    // The design size comes at each game's start, the size of the discs at the other frames.
    if (Pixel == Spin.size() && !Gespiegelt)
        return Spin;
    if (Groesse != SpinGroesse) {
        const QImage Gestreckt = Spin.size() == Pixel ? Spin
                                                      : Spin.scaled(Pixel, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation);
        SpinGerade = MitDichte(Gestreckt);
        SpinGespiegelt = MitDichte(Gestreckt.mirrored(false, true));
        SpinGroesse = Groesse;
    }
    return Gespiegelt ? SpinGespiegelt : SpinGerade;
}
