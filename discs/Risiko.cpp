// The risk game on a number win, and its switch.

#include "core/MainForm.h"
#include "discs/Scheibenregeln.h"
#include "ui/Bedienelemente.h"

#include <array>

namespace {

// The ladder's lights from the top, 2X, 1X, 0X: in the order of Gewinntabelle::TRisikoErgebnis.
std::array<TBild*, 3> Lichter(const TMainForm& F)
{
    return {F.Image2mal, F.Image1mal, F.Image0mal};
}

void ZeigeNurLicht(const TMainForm& F, const TBild* Licht)
{
    for (TBild* Jedes : Lichter(F))
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
        for (TBild* Licht : Lichter(*this)) {
            if (!Warte(10))
                return;
            ZeigeNurLicht(*this, Licht);
            // The light lit right after the stop was handled is the player's result.
            if (StopAngefordert)
                return;
        }
    }

    const auto Ergebnis = Scheibenregeln::Risikolicht(Zufallszahl(Scheibenregeln::Risikoziehungen));
    ZeigeNurLicht(*this, Lichter(*this)[static_cast<std::size_t>(Ergebnis)]);
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
