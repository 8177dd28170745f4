// Coins and notes in: the nine money pictures, the limit and the intake into the slot.

#include "core/MainForm.h"

#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <algorithm>

namespace {
constexpr int MuenzHoehe = 80;      // pictures up to this height are coins
constexpr int UeberDemSchlitz = 26; // rows of the money that lie over the slot at first
constexpr int Schritt = 10;         // pixels the money sinks per step
} // namespace

void TMainForm::Button_50_EuroClick()
{
    NimmGeldAn(Button_50_Euro);
}

void TMainForm::Button_20_EuroClick()
{
    NimmGeldAn(Button_20_Euro);
}

void TMainForm::Button_10_EuroClick()
{
    NimmGeldAn(Button_10_Euro);
}

void TMainForm::Button_5_EuroClick()
{
    NimmGeldAn(Button_5_Euro);
}

void TMainForm::Button_2_EuroClick()
{
    NimmGeldAn(Button_2_Euro);
}

void TMainForm::Button_1_EuroClick()
{
    NimmGeldAn(Button_1_Euro);
}

void TMainForm::Button_50_CentClick()
{
    NimmGeldAn(Button_50_Cent);
}

void TMainForm::Button_20_CentClick()
{
    NimmGeldAn(Button_20_Cent);
}

void TMainForm::Button_10_CentClick()
{
    NimmGeldAn(Button_10_Cent);
}

void TMainForm::NimmGeldAn(TBild* Geldbild)
{
    // A click that slipped past the overlay would credit money outside the idle machine.
    if (NichtBedienbarImage->isVisible() || AuszahlungLaeuft || ProgrammEndet)
        return;
    const Geld::TGeldBild* Eintrag = Geld::GeldBildFuer(Geldbild->objectName());
    if (!Eintrag)
        return;
    if (Eintrag->Limitpruefung) {
        GeldSpeicherEuro = Geld::GeldSpeicherEuro(SpielGeldSpeicher);
        if (Geld::UeberDemLimit(GeldSpeicherEuro)) {
            LehneEinzahlungAb();
            return;
        }
    }
    const Geld::TEinzahlung Neu =
        Geld::BerechneEinzahlung(SpielGeldSpeicher, Automatenkasse, *Eintrag);
    Schein->SetPicture(Geldbild->Picture());
    EinzahlenButtonClick();
    if (ProgrammEndet)
        return;
    VerbucheEinzahlung(QLatin1String(Eintrag->Betrag), Neu.Guthaben, Neu.Kasse, Neu.KassenText);
    if (!Warte(2000))
        return;
    if (AutoStartCheckBox->isChecked())
        AutoStartClick();
}

void TMainForm::LehneEinzahlungAb()
{
    MessageDlgCtr(QStringLiteral("Sie haben schon genug eingezahlt! Einzahlung wird abgelehnt."),
                  QMessageBox::Information, 0, QMessageBox::Ok);
    if (ProgrammEndet)
        return;
    EinzahlenButtonClick();
    if (!ProgrammEndet && AutoStartCheckBox->isChecked())
        AutoStartClick();
}

void TMainForm::VerbucheEinzahlung(const QString& Betrag, const TBcdWert& Guthaben,
                                   const TBcdWert& Kasse, const QString& KassenText)
{
    SpielGeldSpeicher = Guthaben;
    ZeigeGuthaben(TAnzeigeArt::Darueber);
    Automatenkasse = Kasse;
    AutomatenGeldspeicherAnzeige->SetCaption(KassenText);
    QStringList Zeilen;
    Auswertung::HaengeEreignisAn(
        Zeilen,
        Auswertung::EinzahlungsZeile(SpielerName, Betrag, UhrzeitText, DatumText, AuszahlungText));
    HaengeLogZeilenAn(Zeilen);
    // The journal first: it holds the cash box too, so a crash before "KA" is stored loses
    // nothing of the deposit.
    SichereBesuch();
    SichereKassenstand();
}

void TMainForm::EinzahlenButtonClick()
{
    DrehscheibeAnScheibeAnpassen();
    GibMirMeinGeldBtn->setEnabled(false);
    Label1->SetCaption(QString());
    Scheine_Einz_gewellt1->hide();
    Schein_Einzug->show();
    ImageSpritzer->hide();
    BefehleLabel->hide();
    NichtBedienbarImage->show();
    ScheinEinzug_Grinz->hide();
    if (!Geld::UeberDemLimit(GeldSpeicherEuro))
        LasseGeldEinsinken();
}

void TMainForm::LasseGeldEinsinken()
{
    const QSize Natuerlich = Schein->Picture().size();
    const int H = Natuerlich.height();
    const QRect Schlitz = Schein_Einzug->geometry();
    const int Links = Schlitz.x() + Schlitz.width() / 2 - Natuerlich.width() / 2;
    int Oben = Schlitz.y() - H + UeberDemSchlitz;
    int Hoehe = H;
    // Set up out of sight, so the new picture never flashes where the last one stood.
    Schein->hide();
    Schein->SetTransparent(H <= MuenzHoehe);
    Schein->setGeometry(Links, Oben, Natuerlich.width(), H);
    MenueBtn->setVisible(H < MuenzHoehe);
    Schein->raise();
    Schein->show();
    if (!Warte(1500))
        return;
    while (Hoehe > 0) {
        Hoehe -= Schritt;
        Oben += Schritt;
        const int Sichtbar = std::max(0, Hoehe);
        // The note sinks as sharp as it lay, on screens of twice the density too.
        const QImage& Fein = Schein->Feinbild();
        Schein->SetPicture(
            Schein->Picture().copy(0, 0, Natuerlich.width(), Sichtbar),
            Fein.copy(0, 0, Fein.width(), qRound(Sichtbar * Fein.devicePixelRatio())));
        Schein->setGeometry(Links, Oben, Natuerlich.width(), Sichtbar);
        if (MenueBtn->y() + MenueBtn->height() < Oben)
            MenueBtn->show();
        if (!Warte(100))
            return;
    }
    Schein->hide();
    Schein->resize(Natuerlich.width(), H);
    if (H < MuenzHoehe)
        SpieleKlang(TKlang::Muenze);
}
