// The screw that turns between games, and the flickering spin picture of the turning discs.

#include "core/MainForm.h"
#include "discs/Scheibenbild.h"
#include "discs/Scheibenregeln.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>

void TMainForm::SchraubenTimerTimer()
{
    // Measuring the text is the costly part of a tick: the label is centred anew only when its
    // text, its font or a place changed since it was last centred.
    if (Label1Stand() != Label1Zentriert) {
        Label1Zentrieren();
        Label1Zentriert = Label1Stand();
    }
    SchraubenWinkel = Scheibenregeln::NaechsterSchraubenwinkel(SchraubenWinkel);
    const QImage& Schraube = ImageOriginalSchraube->Picture();
    RotateBitmapSchraube(Schraube, Rotation::Mitte(Schraube.width()),
                         Rotation::Mitte(Schraube.height()), SchraubenWinkel);
    QCoreApplication::processEvents();
}

TMainForm::TLabelStand TMainForm::Label1Stand() const
{
    return {Label1->Caption(), Label1->font(), Label1->pos(), ImageGesicht->geometry()};
}

void TMainForm::RotateBitmapSchraube(const QImage& Quelle, int MitteX, int MitteY, double Winkel)
{
    Scheibenbild::DreheInZiel(Quelle, ZielbildSchraube, MitteX, MitteY, Winkel);
    QImage& Bild = ImageSchraube->PictureBearbeiten();
    {
        QPainter Maler(&Bild);
        Maler.drawImage(QPoint(0, 0), ZielbildSchraube);
    }
    ImageSchraube->PictureChanged();
}

void TMainForm::CheckSchraube()
{
    const QImage& Bild = ImageSchraube->Picture();
    const QPoint Punkt = Scheibenregeln::Schlitzpunkt;
    SchraubeSenkrecht =
        Bild.valid(Punkt) && Scheibenbild::Farbe(Bild, Punkt) == Scheibenregeln::Schlitzfarbe;
}

void TMainForm::TimerSchnellDrehendeScheibeTimer()
{
    const bool Gespiegelt = SchnellZaehler < 2;
    QImage Bild = ImageDrehscheibe2->Picture();
    if (Gespiegelt) {
        Zeitraffer::SetzeIntervall(*TimerSchnellDrehendeScheibe, 30);
        SpiegelnVertikal(ImageDrehscheibe2->Picture(), Bild);
    } else {
        SchnellZaehler = 0;
        Zeitraffer::SetzeIntervall(*TimerSchnellDrehendeScheibe, 25);
    }
    SetzeSpinbild(Bild, Gespiegelt);
    ++SchnellZaehler;
}

void TMainForm::SpiegelnVertikal(const QImage& Quelle, QImage& Ziel)
{
    const QImage Vorlage = Quelle.convertToFormat(QImage::Format_RGB888);
    Ziel = QImage(Vorlage.size(), QImage::Format_RGB888);
    Rotation::SpiegleVertikal(Scheibenbild::Zeilen(Vorlage), Scheibenbild::Zeilen(Ziel));
}
