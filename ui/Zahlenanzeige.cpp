#include "ui/Zahlenanzeige.h"

#include "ui/Bedienelemente.h"

#include <QFontMetrics>
#include <QPainter>

TZahlenAnzeige::TZahlenAnzeige(TBild& Steuerelement, QPoint Ursprung)
    : Bild(Steuerelement), Ursprung(Ursprung)
{}

void TZahlenAnzeige::SchreibeText(const QString& Text)
{
    if (Bild.Picture().isNull())
        return;
    // The same text on the picture and on its variant of twice the density, in points on both.
    for (QImage* Flaeche : {&Bild.PictureBearbeiten(), Bild.FeinBearbeiten()}) {
        if (!Flaeche)
            continue;
        QPainter Maler(Flaeche);
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
    return {Ursprung, QSize(Masse.horizontalAdvance(QString(AnzahlLeerzeichen, QLatin1Char(' '))),
                            Masse.height())};
}
