#include "tools/generator/BilderIntern.h"
#include "tools/generator/Generator.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImageWriter>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cstdio>
#include <stdexcept>

namespace Generator::Bilder {

namespace {

const char* const SchriftOrdner = "/usr/share/fonts/truetype/dejavu/";

QString SchriftDatei(Schnitt Art)
{
    constexpr const char* Dateien[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf",
                                       "DejaVuSerif-Bold.ttf", "DejaVuSansMono-Bold.ttf"};
    return Dateien[static_cast<int>(Art)];
}

QString Familie(Schnitt Art)
{
    static QHash<int, QString> Geladen;
    const int Schluessel = static_cast<int>(Art);
    if (!Geladen.contains(Schluessel)) {
        const QString Pfad = QString(SchriftOrdner) + SchriftDatei(Art);
        const int Kennung = QFontDatabase::addApplicationFont(Pfad);
        const QStringList Familien = QFontDatabase::applicationFontFamilies(Kennung);
        if (Kennung < 0 || Familien.isEmpty())
            throw std::runtime_error(("font missing: " + Pfad).toStdString());
        Geladen.insert(Schluessel, Familien.first());
    }
    return Geladen.value(Schluessel);
}

QString Endung(const QString& Datei)
{
    return Datei.section('.', -1).toLower();
}

// Pixels per point of the pictures being drawn: 1, or 2 for the variants of screens with twice
// the pixel density.
double Dichte = 1;

// "name.png" at the density 1, "name@2x.png" at 2.
QString Dateiname(const QString& Datei)
{
    if (Dichte == 1)
        return Datei;
    return Datei.section('.', 0, -2) + QStringLiteral("@%1x.").arg(Dichte) + Datei.section('.', -1);
}

void Speichere(const QDir& Ordner, const Bild& B)
{
    const QString Art = Endung(B.Datei);
    QImage Inhalt = B.Inhalt;
    QImageWriter Schreiber(Ordner.filePath(Dateiname(B.Datei)));
    if (Art == "jpg") {
        Inhalt = Inhalt.convertToFormat(QImage::Format_RGB888);
        Schreiber.setFormat("jpeg");
        Schreiber.setQuality(92);
        Schreiber.setOptimizedWrite(false);
        Schreiber.setProgressiveScanWrite(false);
    } else if (Art == "bmp") {
        Inhalt = Inhalt.convertToFormat(QImage::Format_RGB888);
        Schreiber.setFormat("bmp");
    } else {
        Inhalt = Inhalt.hasAlphaChannel() ? Inhalt.convertToFormat(QImage::Format_ARGB32)
                                          : Inhalt.convertToFormat(QImage::Format_RGB888);
        Schreiber.setFormat("png");
        Schreiber.setCompression(9);
    }
    Inhalt.setDotsPerMeterX(3780);
    Inhalt.setDotsPerMeterY(3780);
    if (!Schreiber.write(Inhalt))
        throw std::runtime_error(
            QString("cannot write %1: %2").arg(B.Datei, Schreiber.errorString()).toStdString());
}

} // namespace

double Pixeldichte()
{
    return Dichte;
}

// A painter on the picture draws in points; the picture has Dichte pixels per point.
QImage OpakesBild(int Breite, int Hoehe, const QColor& Grund)
{
    QImage Ergebnis(qRound(Breite * Dichte), qRound(Hoehe * Dichte), QImage::Format_RGB32);
    Ergebnis.setDevicePixelRatio(Dichte);
    Ergebnis.fill(Grund);
    return Ergebnis;
}

QImage TransparentesBild(int Breite, int Hoehe)
{
    QImage Ergebnis(qRound(Breite * Dichte), qRound(Hoehe * Dichte),
                    QImage::Format_ARGB32_Premultiplied);
    Ergebnis.setDevicePixelRatio(Dichte);
    Ergebnis.fill(Qt::transparent);
    return Ergebnis;
}

void TextImFeld(QPainter& Maler, const QRectF& Feld, int Ausrichtung, const QString& Text)
{
    const double Breite = QFontMetricsF(Maler.font()).boundingRect(Feld, Ausrichtung, Text).width();
    if (Breite > Feld.width())
        throw std::runtime_error(QString("\"%1\" needs %2 points, its field is %3 wide")
                                     .arg(Text)
                                     .arg(Breite)
                                     .arg(Feld.width())
                                     .toStdString());
    Maler.drawText(Feld, Ausrichtung, Text);
}

void Vorbereiten(QPainter& Maler)
{
    Maler.setRenderHint(QPainter::Antialiasing, true);
    Maler.setRenderHint(QPainter::TextAntialiasing, true);
    Maler.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void Setze(QPainter& Maler, const QPen& Stift, const QBrush& Pinsel)
{
    Maler.setPen(Stift);
    Maler.setBrush(Pinsel);
}

QPen RunderStift(const QBrush& Farbe, double Breite)
{
    return QPen(Farbe, Breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QFont Schrift(Schnitt Art, double Pixel)
{
    QFont Ergebnis(Familie(Art));
    Ergebnis.setPixelSize(qRound(Pixel));
    Ergebnis.setBold(Art != Schnitt::Normal);
    Ergebnis.setHintingPreference(QFont::PreferNoHinting);
    Ergebnis.setStyleStrategy(QFont::PreferAntialias);
    return Ergebnis;
}

QColor AusBgr(quint32 Bgr)
{
    return QColor(Bgr & 0xFF, (Bgr >> 8) & 0xFF, (Bgr >> 16) & 0xFF);
}

QPainterPath TextPfad(const QString& Text, const QFont& Schrift, QPointF Mitte)
{
    QPainterPath Pfad;
    Pfad.addText(0, 0, Schrift, Text);
    const QRectF Umriss = Pfad.boundingRect();
    Pfad.translate(Mitte - Umriss.center());
    return Pfad;
}

QPainterPath Kurven(QPointF Anfang, std::initializer_list<std::array<double, 6>> Boegen)
{
    QPainterPath Pfad(Anfang);
    for (const auto& [X1, Y1, X2, Y2, X, Y] : Boegen)
        Pfad.cubicTo(X1, Y1, X2, Y2, X, Y);
    return Pfad;
}

void KonturText(QPainter& Maler, const QString& Text, const QFont& Schrift, QPointF Mitte,
                const QBrush& Fuellung, const QColor& Kontur, double Konturbreite)
{
    const QPainterPath Pfad = TextPfad(Text, Schrift, Mitte);
    const QRectF Flaeche(0, 0, Maler.device()->width(), Maler.device()->height());
    if (!Flaeche.contains(Maler.deviceTransform().mapRect(Pfad.boundingRect())))
        throw std::runtime_error(
            QString("\"%1\" reaches past the edge of its picture").arg(Text).toStdString());
    Maler.save();
    if (Konturbreite > 0) {
        Maler.strokePath(Pfad, RunderStift(Kontur, Konturbreite * 2));
    }
    Maler.fillPath(Pfad, Fuellung);
    Maler.restore();
}

void Glanzlicht(QPainter& Maler, const QRectF& Rechteck, int Deckkraft)
{
    const QRectF Glanz(Rechteck.left() + Rechteck.width() * 0.18,
                       Rechteck.top() + Rechteck.height() * 0.06, Rechteck.width() * 0.64,
                       Rechteck.height() * 0.42);
    const auto Verlauf = Farbverlauf(QLinearGradient(Glanz.topLeft(), Glanz.bottomLeft()),
                                     QColor(255, 255, 255, Deckkraft), QColor(255, 255, 255, 0));
    Maler.save();
    Setze(Maler, Qt::NoPen, Verlauf);
    Maler.drawEllipse(Glanz);
    Maler.restore();
}

} // namespace Generator::Bilder

namespace Generator {

void ErzeugeBilder(const QDir& Ziel)
{
    using namespace Bilder;
    Ziel.mkpath("bilder");
    const QDir Ordner(Ziel.filePath("bilder"));
    for (const double Pixel : {1.0, 2.0}) {
        Dichte = Pixel;
        QList<Bild> Alle;
        Alle << ScheibenBilder() << GeldBilder() << GehaeuseBilder() << GesichtBilder()
             << LampenBilder();
        for (const Bild& B : Alle)
            Speichere(Ordner, B);
    }
    Dichte = 1;
}

} // namespace Generator
