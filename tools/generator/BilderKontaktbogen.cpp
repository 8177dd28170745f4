#include "tools/generator/BilderIntern.h"
#include "tools/generator/Generator.h"

#include <QFileInfo>
#include <stdexcept>

namespace Generator {

namespace {

using namespace Bilder;

constexpr int BogenBreite = 1300;
constexpr int Abstand = 12;
constexpr int Beschriftung = 18;

void Schachbrett(QPainter& Maler, const QRect& Feld)
{
    Maler.save();
    Maler.setClipRect(Feld);
    for (int y = Feld.top(); y < Feld.bottom(); y += 8)
        for (int x = Feld.left(); x < Feld.right(); x += 8)
            Maler.fillRect(QRect(x, y, 8, 8), ((x - Feld.left()) / 8 + (y - Feld.top()) / 8) % 2
                                                  ? QColor(0xCC, 0xCC, 0xCC)
                                                  : QColor(0x99, 0x99, 0x99));
    Maler.restore();
}

// The machine put together from its pictures at their places in the window.
void MaleAutomat(QPainter& Maler, const QDir& Ordner, QPoint Ursprung)
{
    Maler.save();
    Maler.translate(Ursprung);
    Maler.fillRect(QRect(0, 0, 1292, 839), Qt::black);
    for (const Platz& P : Aufstellung()) {
        const QImage Bild(Ordner.filePath(P.Datei));
        Maler.save();
        if (P.Datei == "ImageOriginal.bmp") {
            QPainterPath Rund;
            Rund.addEllipse(QRectF(P.Rechteck));
            Maler.setClipPath(Rund);
        }
        Maler.drawImage(P.Rechteck, Bild);
        Maler.restore();
    }
    Maler.setFont(Schrift(Schnitt::Fett, 23));
    Maler.setPen(Qt::black);
    Maler.drawText(QPoint(251 + 30, 358 + 3 + 23), "0,0");
    Maler.drawText(QPoint(515 + 80, 358 + 3 + 23), "00");
    const QString Zeile = QString::fromUtf8("  Klicke auf eine Münze oder Schein   ");
    const QFont Meldung = Schrift(Schnitt::Fett, 20);
    Maler.setFont(Meldung);
    Maler.setPen(QColor(0xFF, 0, 0));
    const int Breite = QFontMetrics(Meldung).horizontalAdvance(Zeile);
    Maler.drawText(QPoint(259 + 381 / 2 - Breite / 2, 640 + 20), Zeile);
    Maler.restore();
}

} // namespace

void ErzeugeKontaktbogen(const QDir& Quelle, const QString& PngDatei)
{
    const QDir Ordner(Quelle.filePath("bilder"));
    const QStringList Dateien = Ordner.entryList(QDir::Files, QDir::Name);
    // First pass: shelf layout.
    struct Eintrag
    {
        QString Name;
        QImage Bild;
        QRect Feld;
    };
    QList<Eintrag> Eintraege;
    int x = Abstand, y = 839 + 2 * Abstand, Zeilenhoehe = 0;
    for (const QString& Name : Dateien) {
        if (Name.contains(QLatin1String("@2x.")))
            continue; // the same pictures at twice the density
        const QImage Bild(Ordner.filePath(Name));
        if (Bild.isNull())
            continue;
        const int Breite = qMax(Bild.width(), 150);
        if (x + Breite + Abstand > BogenBreite) {
            x = Abstand;
            y += Zeilenhoehe + Abstand;
            Zeilenhoehe = 0;
        }
        Eintraege.append({Name, Bild, QRect(x, y, Breite, Bild.height() + Beschriftung)});
        x += Breite + Abstand;
        Zeilenhoehe = qMax(Zeilenhoehe, Bild.height() + Beschriftung);
    }
    QImage Bogen(BogenBreite, y + Zeilenhoehe + Abstand, QImage::Format_RGB32);
    Bogen.fill(QColor(0x40, 0x40, 0x48));
    QPainter Maler(&Bogen);
    Vorbereiten(Maler);
    MaleAutomat(Maler, Ordner, QPoint(4, Abstand));
    Maler.setFont(Schrift(Schnitt::Normal, 11));
    for (const Eintrag& E : Eintraege) {
        const QRect Bildfeld(E.Feld.topLeft(), E.Bild.size());
        Schachbrett(Maler, Bildfeld);
        Maler.drawImage(Bildfeld.topLeft(), E.Bild);
        Maler.setPen(Qt::white);
        Maler.drawText(QRect(E.Feld.left(), Bildfeld.bottom() + 2, E.Feld.width() + 60, 16),
                       Qt::AlignLeft | Qt::AlignVCenter,
                       QString("%1  %2x%3").arg(E.Name).arg(E.Bild.width()).arg(E.Bild.height()));
    }
    Maler.end();
    if (!Bogen.save(PngDatei, "PNG"))
        throw std::runtime_error(("cannot write " + PngDatei).toStdString());
}

} // namespace Generator
