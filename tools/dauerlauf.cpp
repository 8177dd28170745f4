// A long evening in minutes: plays a number of games (default 10000) offscreen at time-lapse,
// putting in a 5 Euro note whenever the coin panel opens, then pays out. Prints the resident
// memory after the start, after 100 games and at the end, the games per minute, and checks the
// books: the cash box changed by exactly the deposits less the payout, and the log holds every
// deposit. It runs in folders of its own with the sounds off and touches none of the player's
// settings. Argument: the number of games.

#include "pruefstand/BeobachtetesFenster.h"
#include "support/Auswertung.h"
#include "support/STRegIni.h"
#include "support/Zeitraffer.h"
#include "tools/Messumgebung.h"
#include "ui/Bedienelemente.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

// Resident memory of this process in MB.
double ResidentMB()
{
    QFile Status(QStringLiteral("/proc/self/status"));
    if (!Status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& Zeile : Status.readAll().split('\n'))
        if (Zeile.startsWith("VmRSS:"))
            return Zeile.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

QString Kassenstand()
{
    TStRegIni Speicher(QStringLiteral("C_USERS"), false);
    Speicher.SetSubKey(TMainForm::KassenSchluessel);
    return Speicher.ReadString(QStringLiteral("KA"), QStringLiteral("0"))
        .replace(QLatin1Char(' '), QLatin1Char(','));
}

// Answers every message box with OK and remembers the texts.
class TZaehlendeMeldungen : public IMeldungen
{
public:
    explicit TZaehlendeMeldungen(QStringList& Texte) : Texte(Texte) {}
    QMessageBox::StandardButton Zeige(QWidget*, QMessageBox::Icon, const QString& Text,
                                      QMessageBox::StandardButtons) override
    {
        Texte << Text;
        return QMessageBox::Ok;
    }

private:
    QStringList& Texte;
};

// Reacts when the coin panel opens (deposit or payout) and when a game has ended (payout).
class TSpieler : public QObject
{
public:
    TSpieler(TMainForm& Fenster, int Spiele) : Fenster(Fenster), Spiele(Spiele)
    {
        Fenster.NichtBedienbarImage->installEventFilter(this);
        Fenster.GibMirMeinGeldBtn->installEventFilter(this);
    }

    void ZahleEin()
    {
        if (Fenster.NichtBedienbarImage->isVisible() || Fenster.ProgrammEndet)
            return;
        Einzahlungen = BcdPlus(Einzahlungen, BcdFromText("5"));
        Fenster.Button_5_EuroClick();
    }

    int Gespielt = 0;
    TBcdWert Einzahlungen = BcdFromText("0");
    std::function<void()> NachHundert;

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        const bool PanelOffen =
            Objekt == Fenster.NichtBedienbarImage && Ereignis->type() == QEvent::Hide;
        const bool Spielende = Objekt == Fenster.GibMirMeinGeldBtn &&
                               Ereignis->type() == QEvent::EnabledChange &&
                               Fenster.GibMirMeinGeldBtn->isEnabled();
        if (!Fenster.ProgrammEndet && (PanelOffen || Spielende))
            QTimer::singleShot(0, this, [this, PanelOffen] { Weiter(PanelOffen); });
        return false;
    }

private:
    void Weiter(bool PanelOffen)
    {
        if (Fenster.ProgrammEndet || Fenster.AuszahlungLaeuft)
            return;
        if (Gespielt >= Spiele)
            Fenster.GibMirMeinGeldBtnClick();
        else if (PanelOffen)
            ZahleEin();
    }

    TMainForm& Fenster;
    int Spiele;
};

} // namespace

int main(int argc, char* argv[])
{
    TMessumgebung Umgebungsordner;
    if (!Umgebungsordner.RichteEin("dauerlauf", {}, "Spieldauer=1\r\n"))
        return 1;
    QApplication Anwendung(argc, argv);
    const int Spiele = argc > 1 ? qMax(100, QByteArray(argv[1]).toInt()) : 10000;
    Zeitraffer::SetzeFaktor(0.001);
    const TBcdWert KasseVorher = BcdFromText(Kassenstand().toStdString());

    QStringList Meldungen;
    bool Beendet = false;
    QElapsedTimer Uhr;
    double NachStart = 0, NachHundert = 0;
    TSpieler* Spieler = nullptr;
    TMainFormUmgebung Umgebung;
    Umgebung.Meldungen = std::make_unique<TZaehlendeMeldungen>(Meldungen);
    Umgebung.ProzessEnde = [&] {
        Beendet = true;
        QCoreApplication::exit(0);
    };
    TBeobachtetesFenster MainForm(std::move(Umgebung));
    MainForm.Drehbild = [&](int Scheibe, int Winkel) {
        // The left disc's first frame begins a game.
        if (Scheibe != 0 || Winkel != 0 || !Spieler)
            return;
        if (++Spieler->Gespielt == 1)
            Uhr.start();
        if (Spieler->Gespielt == 100)
            NachHundert = ResidentMB();
        if (Spieler->Gespielt % 1000 == 0)
            std::printf("%6d Spiele: %.1f MB\n", Spieler->Gespielt, ResidentMB());
    };
    TSpieler Spielerin(MainForm, Spiele);
    Spieler = &Spielerin;
    QObject::connect(&MainForm, &TMainForm::StartAbgeschlossen, [&] {
        NachStart = ResidentMB();
        QTimer::singleShot(0, &MainForm, [&] { Spielerin.ZahleEin(); });
    });
    MainForm.show();
    Anwendung.exec();
    const double Minuten = Uhr.elapsed() / 60000.0;
    const double AmEnde = ResidentMB();

    const TBcdWert Ausgezahlt = BcdFromText(MainForm.AuszahlungText.toStdString());
    const TBcdWert KasseNachher = BcdFromText(Kassenstand().toStdString());
    const TBcdWert Soll = BcdMinus(Spielerin.Einzahlungen, Ausgezahlt);
    const TBcdWert Ist = BcdMinus(KasseNachher, KasseVorher);
    const TBcdWert Geloggt = Auswertung::Einzahlungssumme(MainForm.LogZeilen());
    const bool Stimmt = Beendet && Ist.EuroText() == Soll.EuroText() &&
                        Geloggt.EuroText() == Spielerin.Einzahlungen.EuroText();

    std::printf("Spiele: %d in %.1f min = %.0f Spiele pro Minute\n", Spielerin.Gespielt, Minuten,
                Minuten > 0 ? Spielerin.Gespielt / Minuten : 0.0);
    std::printf("Speicher: nach dem Start %.1f MB, nach 100 Spielen %.1f MB, am Ende %.1f MB "
                "(%+.1f MB seit 100 Spielen)\n",
                NachStart, NachHundert, AmEnde, AmEnde - NachHundert);
    std::printf("Bücher: eingezahlt %s, ausgezahlt %s, Kasse %s -> %s (%s, Soll %s), im Log "
                "eingezahlt %s: %s\n",
                qPrintable(Spielerin.Einzahlungen.EuroText()), qPrintable(Ausgezahlt.EuroText()),
                qPrintable(KasseVorher.EuroText()), qPrintable(KasseNachher.EuroText()),
                qPrintable(Ist.EuroText()), qPrintable(Soll.EuroText()),
                qPrintable(Geloggt.EuroText()), Stimmt ? "stimmen" : "STIMMEN NICHT");
    for (const QString& Meldung : Meldungen)
        std::printf("Meldung: %s\n", qPrintable(Meldung));
    return Stimmt ? 0 : 1;
}
