// The main window and its size dialog: the window as the dialog sees it, and the menu button
// whose right click opens the dialog.

#include "ui/Groessenziel.h"

#include "core/MainForm.h"
#include "ui/Bedienelemente.h"

#include <QGroupBox>

IGroessenZiel& TMainForm::GroessenZiel()
{
    return *Groessenziel;
}

void TMainForm::SetzeGroessenDialog(TForm2* Dialog)
{
    Groessendialog = Dialog;
}

void TMainForm::MenueBtnMouseDown(Qt::MouseButton Knopf)
{
    if (Knopf != Qt::RightButton || SpielLaeuft || ErsterStart || !Groessendialog)
        return;
    Groessendialog->ZeigeAufWunsch();
}

void TMainForm::MenueBtnClick() {}

int TGroessenZielFenster::ScaleByWert() const
{
    return Fenster.ScaleByWert;
}

void TGroessenZielFenster::SetzeScaleByWert(int Wert)
{
    Fenster.ScaleByWert = Wert;
}

void TGroessenZielFenster::SetzeSkalierSchritt(int Wert)
{
    Fenster.SkalierSchritt = Wert;
}

bool TGroessenZielFenster::Querformat() const
{
    return Fenster.Querformat;
}

void TGroessenZielFenster::ErsterStartLoeschen()
{
    Fenster.ErsterStart = false;
}

int TGroessenZielFenster::BefehleLabelTop() const
{
    return Fenster.BefehleLabel->y();
}

bool TGroessenZielFenster::PasstNachSchritt(int Zaehler, int Nenner) const
{
    return Skalierung::PasstAufBildschirm(Fenster.AktuellePanelLage(), Zaehler, Nenner,
                                          Fenster.Arbeitsflaeche());
}

int TGroessenZielFenster::GroupBox1Breite() const
{
    return Fenster.GroupBox1->width();
}

int TGroessenZielFenster::BildschirmBreite() const
{
    return Fenster.Bildschirmgroesse().width();
}

int TGroessenZielFenster::BildschirmHoehe() const
{
    return Fenster.Bildschirmgroesse().height();
}

Skalierung::TMuenzLage TGroessenZielFenster::Muenzen() const
{
    return {Fenster.Button_50_Euro->geometry(), Fenster.Button_2_Euro->geometry(),
            Fenster.Button_1_Euro->geometry(),  Fenster.Button_50_Cent->geometry(),
            Fenster.Button_20_Cent->geometry(), Fenster.Button_10_Cent->geometry()};
}

void TGroessenZielFenster::SetzeMuenzen(const Skalierung::TMuenzLage& Lage)
{
    Fenster.Button_50_Euro->setGeometry(Lage.Button_50_Euro);
    Fenster.Button_2_Euro->setGeometry(Lage.Button_2_Euro);
    Fenster.Button_1_Euro->setGeometry(Lage.Button_1_Euro);
    Fenster.Button_50_Cent->setGeometry(Lage.Button_50_Cent);
    Fenster.Button_20_Cent->setGeometry(Lage.Button_20_Cent);
    Fenster.Button_10_Cent->setGeometry(Lage.Button_10_Cent);
}

void TGroessenZielFenster::SkaliereFenster(int Zaehler, int Nenner)
{
    Fenster.SkaliereFenster(Zaehler, Nenner);
}

void TGroessenZielFenster::GroupBoxAnpassenQuerformat()
{
    Fenster.GroupBoxAnpassenQuerformat();
}

void TGroessenZielFenster::GroupBoxAnpassenHochformat()
{
    Fenster.GroupBoxAnpassenHochformat();
}

void TGroessenZielFenster::SpeichereScaleBy(int Wert)
{
    Fenster.SchreibeEinstellung(QStringLiteral("ScaleBy"), QString::number(Wert));
}

void TGroessenZielFenster::Auszahlen()
{
    Fenster.AuszahlenButtonClick();
}
