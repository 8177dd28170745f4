#pragma once

#include "ui/ScalierungsEinstell.h"

class TMainForm;

// The main window as the size dialog sees it.
class TGroessenZielFenster : public IGroessenZiel
{
public:
    explicit TGroessenZielFenster(TMainForm& Fenster) : Fenster(Fenster) {}

    int ScaleByWert() const override;
    void SetzeScaleByWert(int Wert) override;
    void SetzeSkalierSchritt(int Wert) override;
    bool Querformat() const override;
    void ErsterStartLoeschen() override;
    int BefehleLabelTop() const override;
    int GroupBox1Breite() const override;
    bool PasstNachSchritt(int Zaehler, int Nenner) const override;
    int BildschirmBreite() const override;
    int BildschirmHoehe() const override;
    Skalierung::TMuenzLage Muenzen() const override;
    void SetzeMuenzen(const Skalierung::TMuenzLage& Lage) override;
    void SkaliereFenster(int Zaehler, int Nenner) override;
    void GroupBoxAnpassenQuerformat() override;
    void GroupBoxAnpassenHochformat() override;
    void SpeichereScaleBy(int Wert) override;
    void Auszahlen() override;

private:
    TMainForm& Fenster;
};
