#include "ui/Zahlenanzeige.h"

#include "ui/Bedienelemente.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
bool Weiss(const QImage& Bild, int X, int Y)
{
    return Bild.valid(X, Y) && qGray(Bild.pixel(X, Y)) >= 0xF0;
}

// The white field of the display around Innen: the rows white through Innen's column, each as far
// as all of them are white beside Innen, so no rounded corner of the frame lies in it. The whole
// picture when Innen is not on white.
QRect Weissfeld(const QImage& Bild, QPoint Innen)
{
    if (!Weiss(Bild, Innen.x(), Innen.y()))
        return Bild.rect();
    int Oben = Innen.y(), Unten = Innen.y();
    while (Weiss(Bild, Innen.x(), Oben - 1))
        --Oben;
    while (Weiss(Bild, Innen.x(), Unten + 1))
        ++Unten;
    int Links = 0, Rechts = Bild.width() - 1;
    for (int Y = Oben; Y <= Unten; ++Y) {
        int L = Innen.x(), R = Innen.x();
        while (Weiss(Bild, L - 1, Y))
            --L;
        while (Weiss(Bild, R + 1, Y))
            ++R;
        Links = qMax(Links, L);
        Rechts = qMin(Rechts, R);
    }
    return QRect(QPoint(Links, Oben), QPoint(Rechts, Unten));
}
} // namespace

// The white field is measured on the picture as it is before the first text, through the
// middle of its height.
TZahlenAnzeige::TZahlenAnzeige(TBild& Steuerelement, QPoint Ursprung)
    : Bild(Steuerelement), Ursprung(Ursprung),
      Feld(Weissfeld(Steuerelement.Picture(),
                     QPoint(Ursprung.x() + 1, Steuerelement.Picture().height() / 2)))
{}

void TZahlenAnzeige::SchreibeText(const QString& Text)
{
    if (Bild.Picture().isNull())
        return;
    // The text cell stays inside the white field, off the display's frame.
    // The same text on the picture and on its variant of twice the density, in points on both.
    for (QImage* Flaeche : {&Bild.PictureBearbeiten(), Bild.FeinBearbeiten()}) {
        if (!Flaeche)
            continue;
        QPainter Maler(Flaeche);
        Maler.setClipRect(Feld);
        Maler.setFont(Font);
        const QFontMetrics Masse(Font);
        Maler.fillRect(QRect(Ursprung, QSize(Masse.horizontalAdvance(Text), Masse.height())),
                       Qt::white);
        Maler.setPen(Schriftfarbe);
        Maler.drawText(Ursprung.x(), Ursprung.y() + Masse.ascent(), Text);
    }
    Bild.PictureChanged();
    SeitLoeschen.append(Text);
}

void TZahlenAnzeige::Loesche(int AnzahlLeerzeichen)
{
    Schriftfarbe = Qt::white;
    SchreibeText(QString(AnzahlLeerzeichen, QLatin1Char(' ')));
    Schriftfarbe = Qt::black;
    SeitLoeschen.clear();
}

QRect TZahlenAnzeige::Loeschbereich(int AnzahlLeerzeichen) const
{
    const QFontMetrics Masse(Font);
    return QRect(Ursprung,
                 QSize(Masse.horizontalAdvance(QString(AnzahlLeerzeichen, QLatin1Char(' '))),
                       Masse.height()))
        .intersected(Feld);
}
