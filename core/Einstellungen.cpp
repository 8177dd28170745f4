// The settings file "Vorlix.ini", read and written at the moments the machine needs them.

#include "core/MainForm.h"

#include "core/Einstellungswerte.h"
#include "support/Auswertung.h"
#include "support/PrivateProfil.h"
#include "support/STRegIni.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>

namespace {
const QString Abschnitt = QStringLiteral("Einstellungen");
}

std::optional<QString> TMainForm::LiesEinstellung(const PrivateProfil::TIniDatei& Ini,
                                                  const QString& Schluessel)
{
    QString Puffer;
    if (Ini.LiesText(Abschnitt, Schluessel, QString(), Puffer, 255) == 0)
        return std::nullopt;
    return Puffer;
}

void TMainForm::SchreibeEinstellung(const QString& Schluessel, const QString& Wert)
{
    if (NichtsMehrSpeichern)
        return;
    // As with the system's profile calls, a failed write passes without a word.
    const long Ergebnis = PrivateProfil::SchreibTextMitGrund(Abschnitt, Schluessel, Wert, IniDatei);
    if (Ergebnis == Dateien::FehlerGesperrt && !StartGelaufen)
        BeendeWegenSperre(QString::fromStdString(EDateiGesperrt(IniDatei).what()));
}

void TMainForm::LiesDarstellungsEinstellungen()
{
    const PrivateProfil::TIniDatei Ini(IniDatei);
    if (const auto Dauer = LiesEinstellung(Ini, QStringLiteral("Spieldauer")))
        if (const auto Sekunden = Einstellungswerte::GanzeZahl(*Dauer)) {
            TrackBar1->setValue(*Sekunden); // the slider keeps it within 1 to 8
            Zeitraffer::SetzeIntervall(*TimerSpieldauer, TrackBar1->value() * 1000);
        }

    if (const auto Geschwindigkeit =
            LiesEinstellung(Ini, QStringLiteral("GeschwindigkeitAuszahlung")))
        if (const auto Millisekunden = Einstellungswerte::Auszahlpause(*Geschwindigkeit)) {
            GeschwindigkeitAuszahlung = *Millisekunden;
            if (ProzessorTakt < 2000.0)
                GeschwindigkeitAuszahlung = 1;
        }

    const auto Name = LiesEinstellung(Ini, QStringLiteral("SpielerName"));
    Edit1->setText(Name ? *Name : QStringLiteral("Kein Name"));
    SpielerName = Edit1->text();

    const auto Kasse = LiesEinstellung(Ini, QStringLiteral("Automatenkassenstand anzeigen"));
    const bool KasseZeigen = Kasse && *Kasse == QLatin1String("1");
    AutomatenGeldspeicherAnzeige->setVisible(KasseZeigen);
    LabelEurostand->setVisible(KasseZeigen);

    const auto Sound = LiesEinstellung(Ini, QStringLiteral("Sound"));
    KommentarHoeren->setChecked(!Sound || *Sound == QLatin1String("1"));
    const auto Speichern = LiesEinstellung(Ini, QStringLiteral("Auswertung speichern"));
    LogDateiSpeichern->setChecked(!Speichern || *Speichern == QLatin1String("1"));
}

void TMainForm::TrackBar1Change()
{
    Zeitraffer::SetzeIntervall(*TimerSpieldauer, TrackBar1->value() * 1000);
}

void TMainForm::KommentarHoerenClick()
{
    SchreibeEinstellung(QStringLiteral("Sound"),
                        KommentarHoeren->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMainForm::LogDateiSpeichernClick()
{
    SchreibeEinstellung(QStringLiteral("Auswertung speichern"),
                        LogDateiSpeichern->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMainForm::Edit1Change()
{
    SchreibeEinstellung(QStringLiteral("SpielerName"), Edit1->text().trimmed());
    SpielerName = Auswertung::NameFuerAuswertung(Edit1->text());
}

void TMainForm::Edit1Click()
{
    SpielerName = Auswertung::NameFuerAuswertung(Edit1->text());
}
