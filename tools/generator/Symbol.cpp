// The program's icon for menus and launchers: the cabinet with three discs showing cherries, a
// lemon and cherries. Small sizes leave out the rim and the highlight, which would only blur.
#include "tools/generator/BilderIntern.h"
#include "tools/generator/Generator.h"

#include <QImageWriter>
#include <QLinearGradient>
#include <QRadialGradient>
#include <stdexcept>

namespace Generator {

namespace {

using namespace Bilder;
using Fruchtmaler = void (*)(QPainter&, const QRectF&, double);

void MaleGehaeuse(QPainter& Maler, double Seite)
{
    const QRectF Koerper(Seite * 0.03, Seite * 0.03, Seite * 0.94, Seite * 0.94);
    const auto Lack = Farbverlauf(QLinearGradient(Koerper.topLeft(), Koerper.bottomLeft()),
                                  QColor(0xE0, 0x28, 0x30), QColor(0x70, 0x08, 0x10));
    Setze(Maler, Seite >= 48 ? QPen(QColor(0xF0, 0xC0, 0x40), Seite * 0.03) : Qt::NoPen, Lack);
    Maler.drawRoundedRect(Koerper, Seite * 0.16, Seite * 0.16);
}

void MaleScheibe(QPainter& Maler, const QRectF& Feld, Fruchtmaler Frucht)
{
    const auto Grund = Farbverlauf(QRadialGradient(Feld.center(), Feld.width() * 0.6), Qt::white,
                                   QColor(0xC8, 0xCC, 0xD4));
    Setze(Maler, QPen(QColor(0x20, 0x20, 0x28), qMax(1.0, Feld.width() * 0.05)), Grund);
    Maler.drawEllipse(Feld);
    const double Rand = Feld.width() * 0.16;
    Frucht(Maler, Feld.adjusted(Rand, Rand, -Rand, -Rand), 1.0);
}

QImage Symbol(int Seite)
{
    TLeinwand Maler(TransparentesBild(Seite, Seite));
    MaleGehaeuse(Maler, Seite);
    const double Durchmesser = Seite * 0.30;
    const double Oben = Seite * 0.5 - Durchmesser / 2;
    const Fruchtmaler Fruechte[] = {MaleKirschen, MaleZitrone, MaleKirschen};
    for (int i = 0; i < 3; ++i) {
        const double Links = Seite * 0.05 + i * Seite * 0.30 + Seite * 0.015;
        MaleScheibe(Maler, QRectF(Links, Oben, Durchmesser, Durchmesser), Fruechte[i]);
    }
    if (Seite >= 48)
        Glanzlicht(Maler, QRectF(0, 0, Seite, Seite * 0.5), 90);
    return Maler.Bild();
}

void Speichere(const QString& Pfad, const QImage& Inhalt)
{
    QImage Bild = Inhalt.convertToFormat(QImage::Format_ARGB32);
    Bild.setDotsPerMeterX(3780);
    Bild.setDotsPerMeterY(3780);
    QImageWriter Schreiber(Pfad);
    Schreiber.setFormat("png");
    Schreiber.setCompression(9);
    if (!Schreiber.write(Bild))
        throw std::runtime_error(
            QString("cannot write %1: %2").arg(Pfad, Schreiber.errorString()).toStdString());
}

} // namespace

void ErzeugeSymbol(const QDir& Ziel)
{
    Ziel.mkpath("symbol");
    for (int Seite : {16, 24, 32, 48, 64, 128, 256})
        Speichere(Ziel.filePath(QString("symbol/vorlix-%1.png").arg(Seite)), Symbol(Seite));
}

} // namespace Generator
