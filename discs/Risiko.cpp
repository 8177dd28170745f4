// The risk game on a number win, and its switch.

#include "core/MainForm.h"
#include "ui/Bedienelemente.h"

namespace {

void ZeigeNurLicht(TMainForm& F, TBild* Licht)
{
    for (TBild* Jedes : {F.Image2mal, F.Image1mal, F.Image0mal})
        Jedes->setVisible(Jedes == Licht);
}

} // namespace

void TMainForm::RisikoSpiel()
{
    ImageRisiko->hide();
    StopAngefordert = false;
    LabelBetrag->show();
    StopBtnGruen->show();
    if (StopBtnGruen->isVisible())
        StopBtnGruen->setFocus();
    ZeigeNurLicht(*this, nullptr);

    const int Runden = Zufallszahl(60) + 20;
    for (int Runde = 0; Runde < Runden && !StopAngefordert; ++Runde) {
        for (TBild* Licht : {Image2mal, Image1mal, Image0mal}) {
            if (!Warte(10))
                return;
            ZeigeNurLicht(*this, Licht);
            // The light lit right after the stop was handled is the player's result.
            if (StopAngefordert)
                return;
        }
    }

    // Each light with probability 1/3: 20 of the 60 numbers lose, 20 are even, 20 odd.
    const int m = Zufallszahl(60);
    ZeigeNurLicht(*this, m < 20 ? Image0mal : m % 2 == 0 ? Image1mal : Image2mal);
    if (!Warte(500))
        return;
    StopBtnGruen->hide();
}

void TMainForm::ButtonRisikoClick()
{
    RisikoEin = !RisikoEin;
    QPalette Farben = ButtonRisiko->palette();
    Farben.setColor(QPalette::ButtonText, RisikoEin ? QColor(0, 0, 0) : QColor(0x80, 0x80, 0x80));
    ButtonRisiko->setPalette(Farben);
    ButtonRisiko->setText(RisikoEin ? QStringLiteral("Risikospiel ist ein")
                                    : QStringLiteral("Risikospiel ist aus"));
    ImageRisiko->setVisible(RisikoEin);
}
