#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QStringList>

class TBild;

// One of the two number displays of the face. Texts are drawn straight onto the picture of its
// control, each character cell first filled white within the display's white field, and stay there
// until something is drawn over them.
class TZahlenAnzeige
{
public:
    TZahlenAnzeige(TBild& Steuerelement, QPoint Ursprung);

    void SetzeSchrift(const QFont& Schrift) { Font = Schrift; }
    const QFont& Schrift() const { return Font; }
    void SetzeFarbe(const QColor& Farbe) { Schriftfarbe = Farbe; }
    const QColor& Farbe() const { return Schriftfarbe; }

    // Draws Text at the origin in the current colour on a white background.
    void SchreibeText(const QString& Text);
    // Draws AnzahlLeerzeichen blanks in white and sets the colour to black: the old digits go.
    void Loesche(int AnzahlLeerzeichen);

    // The texts drawn since the last erase, oldest first.
    const QStringList& Geschrieben() const { return SeitLoeschen; }
    // The area the blanks of an erase cover, in picture pixels: within the white field.
    QRect Loeschbereich(int AnzahlLeerzeichen) const;

private:
    TBild& Bild;
    QPoint Ursprung;
    QRect Feld; // the white field the text is drawn in
    QFont Font;
    QColor Schriftfarbe = Qt::black;
    QStringList SeitLoeschen;
};
