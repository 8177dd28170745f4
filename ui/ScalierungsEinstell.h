#pragma once

#include "ui/Skalierungsmathe.h"

#include <QDialog>

class QPushButton;
class QPlainTextEdit;
class QKeyEvent;

// What the size dialog needs from the main window. The main window implements it; tests use a
// recording fake.
class IGroessenZiel
{
public:
    virtual ~IGroessenZiel() = default;

    virtual int ScaleByWert() const = 0;
    virtual void SetzeScaleByWert(int Wert) = 0;
    virtual void SetzeSkalierSchritt(int Wert) = 0;
    virtual bool Querformat() const = 0;
    virtual void ErsterStartLoeschen() = 0;

    // Top of BefehleLabel within its panel, in pixels.
    virtual int BefehleLabelTop() const = 0;
    // Width of GroupBox1, in window pixels.
    virtual int GroupBox1Breite() const = 0;
    // Whether the face and the money panel, scaled by Zaehler/Nenner and arranged again, would
    // still lie on the screen.
    virtual bool PasstNachSchritt(int Zaehler, int Nenner) const = 0;
    virtual int BildschirmBreite() const = 0;
    virtual int BildschirmHoehe() const = 0;

    virtual Skalierung::TMuenzLage Muenzen() const = 0;
    virtual void SetzeMuenzen(const Skalierung::TMuenzLage& Lage) = 0;

    // Scales the whole machine by Zaehler/Nenner.
    virtual void SkaliereFenster(int Zaehler, int Nenner) = 0;
    virtual void GroupBoxAnpassenQuerformat() = 0;
    virtual void GroupBoxAnpassenHochformat() = 0;

    // Writes "ScaleBy" to the settings file.
    virtual void SpeichereScaleBy(int Wert) = 0;
    // Pays out credit and special games and ends the program, like the payout button.
    virtual void Auszahlen() = 0;
};

// The size dialog: makes the machine smaller or larger one step at a time and stores the factor.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm2(IGroessenZiel& Ziel, QWidget* Parent = nullptr);

    // First start: fills the text, clears ErsterStart, OK off, "Alles klar!" on; does not block.
    void ZeigeErsterStart();
    // On request: fills the text, "Alles klar!" on; blocks until closed. After "OK - Speichern"
    // the payout runs once the dialog has closed.
    void ZeigeAufWunsch();

public slots:
    void Button1Click();         // "Kleiner"
    void Button2Click();         // "Größer"
    void OKButtonClick();        // "OK - Speichern"
    void AbbrechenButtonClick(); // "Alles klar!"

protected:
    void keyPressEvent(QKeyEvent* Ereignis) override;
    void showEvent(QShowEvent* Ereignis) override;
    void changeEvent(QEvent* Ereignis) override;

private:
    void BehalteRahmen();
    void BaueSteuerelemente();
    void SchrittGemeinsam();
    void SkaliereUndOrdneAn(const Skalierung::TGroessenSchritt& Schritt);
    void SetzeText(const QStringList& Zeilen);

    IGroessenZiel& Ziel;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPlainTextEdit* ErsterStartMemo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;
    bool AufWunschGeoeffnet = false;
    bool OKGedrueckt = false;
};
