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

TFeineScheiben::TFeineScheiben(const QImage& Kunst, const QImage& Spin)
    // The rotation reads 24 bits; converted once here, not at every resting picture.
    : Kunst(Kunst.isNull() ? QImage() : Kunst.convertToFormat(QImage::Format_RGB888)), Spin(Spin)
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
    if (Spin.isNull() || Groesse.isEmpty())
        return {};
    if (Groesse != SpinGroesse) {
        const QSize Pixel = Groesse * 2;
        const QImage Gestreckt = Spin.size() == Pixel ? Spin.convertToFormat(QImage::Format_RGB32)
                                                      : Spin.scaled(Pixel, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation);
        SpinGerade = MitDichte(Gestreckt);
        SpinGespiegelt = MitDichte(Gestreckt.mirrored(false, true));
        SpinGroesse = Groesse;
    }
    return Gespiegelt ? SpinGespiegelt : SpinGerade;
}
