#include "ui/Bilder.h"
#include "ui/Schriften.h"

#include <QFile>
#include <QHash>
#include <QPainter>

namespace {

QString Pfad(const QString& Datei, const char* Dichte = "")
{
    for (const char* Endung : {".png", ".jpg", ".bmp"}) {
        const QString Kandidat =
            QStringLiteral(":/bilder/") + Datei + QLatin1String(Dichte) + QLatin1String(Endung);
        if (QFile::exists(Kandidat))
            return Kandidat;
    }
    return {};
}

// The loaded pictures by name, and their variants by the picture's cache key, which every
// unchanged copy shares and any change replaces.
QHash<QString, QImage>& Geladen()
{
    static QHash<QString, QImage> Bilder;
    return Bilder;
}

QHash<qint64, QImage>& Feinbilder()
{
    static QHash<qint64, QImage> Bilder;
    return Bilder;
}

QImage Ersatzbild(QSize Groesse, const QString& Beschriftung)
{
    QImage Bild(Groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    Bild.fill(QColor(0x40, 0x40, 0x40));
    QPainter Maler(&Bild);
    Maler.setPen(QColor(0x90, 0x90, 0x90));
    Maler.drawRect(Bild.rect().adjusted(0, 0, -1, -1));
    QFont Schrift(Schriften::Serifenlos);
    Schrift.setPixelSize(10);
    Maler.setFont(Schrift);
    Maler.drawText(Bild.rect(), Qt::AlignCenter | Qt::TextWrapAnywhere, Beschriftung);
    return Bild;
}

} // namespace

namespace Bilder {

bool Vorhanden(const QString& Datei)
{
    return !Pfad(Datei).isEmpty();
}

QImage Lade(const QString& Datei, QSize Ersatzgroesse, const QString& Beschriftung)
{
    if (const auto Bekannt = Geladen().constFind(Datei); Bekannt != Geladen().constEnd())
        return *Bekannt;
    const QString Gefunden = Pfad(Datei);
    QImage Bild;
    if (!Gefunden.isEmpty())
        Bild.load(Gefunden);
    if (Bild.isNull())
        return Ersatzbild(Ersatzgroesse, Beschriftung);
    const QString FeinPfad = Pfad(Datei, "@2x");
    QImage Fein;
    if (!FeinPfad.isEmpty() && Fein.load(FeinPfad)) {
        Fein.setDevicePixelRatio(2);
        Feinbilder().insert(Bild.cacheKey(), Fein);
    }
    Geladen().insert(Datei, Bild);
    return Bild;
}

QImage Feinbild(const QImage& Bild)
{
    return Feinbilder().value(Bild.cacheKey());
}

QImage Durchsichtig(const QImage& Bild)
{
    if (Bild.isNull() || Bild.hasAlphaChannel())
        return Bild;
    QImage Ergebnis = Bild.convertToFormat(QImage::Format_ARGB32);
    const QRgb Schluesselfarbe = Ergebnis.pixel(0, Ergebnis.height() - 1);
    for (int y = 0; y < Ergebnis.height(); ++y) {
        auto* Zeile = reinterpret_cast<QRgb*>(Ergebnis.scanLine(y));
        for (int x = 0; x < Ergebnis.width(); ++x)
            if (Zeile[x] == Schluesselfarbe)
                Zeile[x] = qRgba(0, 0, 0, 0);
    }
    return Ergebnis;
}

} // namespace Bilder

int Bilder::QrModule(const QImage& Bild)
{
    for (int Y = 0; Y < Bild.height(); ++Y)
        for (int X = 0; X < Bild.width(); ++X) {
            if (qGray(Bild.pixel(X, Y)) >= 128)
                continue;
            int Ende = X;
            while (Ende < Bild.width() && qGray(Bild.pixel(Ende, Y)) < 128)
                ++Ende;
            const int Modulbreite = qMax(1, (Ende - X) / 7);
            return Bild.width() / Modulbreite;
        }
    return 0;
}
