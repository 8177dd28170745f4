#pragma once

#include "support/StBcd.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

// The machine's state: money, game flags, symbols and the texts that every handler of the main
// window reads and writes directly. The main window derives from it, so the handlers use the
// names as they stand.
struct TMaschinenZustand
{
    // Money and counters. The cash box is carried from start to start.
    TBcdWert SpielGeldSpeicher{};
    TBcdWert SonderSpiele{};
    TBcdWert Automatenkasse{};

    // Game flags; the loops of a running game and the handlers nested in them talk through these.
    bool SpielLaeuft = false;
    bool StopAngefordert = false;
    bool Deaktiviert = false;
    bool StartGedrueckt = false;
    bool NachstartLaeuft = false;
    bool LinksGestoppt = false;
    bool MitteGestoppt = false;
    bool RechtsGestoppt = false;
    bool RisikoEin = true;
    bool SchraubeSenkrecht = false;
    bool Gewonnen = false;
    bool SonderspieleGewonnen = false;
    bool SchliessenAngefordert = false;

    // Set once the program has begun to end. Loops that wait or animate stop at their next test,
    // so nothing of a game goes on after the log has been closed.
    bool ProgrammEndet = false;

    // Start-up and presentation.
    bool ErsteDarstellung = true;
    bool ErsterStart = false;
    bool FormScalierenEin = false;
    bool Hochformat = false;
    bool Querformat = false;
    bool TitelleisteVersteckt = false;
    int ScaleByWert = 100;             // percent
    int SkalierSchritt = 0;            // percent of the last size step
    double ProzessorTakt = 0;          // MHz
    int GeschwindigkeitAuszahlung = 0; // ms per step of the payout
    int LetzteTextBreite = 0;          // pixels, from the last GetTextSizeInPixel

    // Symbols at rest (0 = none yet, 1 to 8) and the bonus and animation counters.
    int SymbolLinks = 0;
    int SymbolMitte = 0;
    int SymbolRechts = 0;
    int BonusZitrone = 0;
    int BonusErdbeere = 0;
    int BonusKarotte = 0;
    int BonusKirsche = 0;
    int SchnellZaehler = 0;
    int SchraubenWinkel = 0;

    // Texts. DatumText ("dd.mm.yyyy") and UhrzeitText ("hh:mm:ss") come from the clock's last tick.
    QString SpielerName;
    QString DatumText;
    QString UhrzeitText;
    QString AuszahlungText;
    QString KassenstandText;
    QString ProgrammVerzeichnis; // ends with "/" unless no program folder is known
    QString IniDatei;

    // Work pictures and the payout list.
    QImage SpinbildKopie;
    QImage ZielbildSchraube;
    QImage ZielbildLinks;
    QImage ZielbildMitte;
    QImage ZielbildRechts;
    QStringList AuszahlListe;
    int ScheibenBreite = 0;
    int ScheibenHoehe = 0;
    int SchraubenBreite = 0;
    int SchraubenHoehe = 0;

    // Where the texts of the credit and special-game displays begin on their pictures.
    static constexpr QPoint GeldTextPos{30, 3};
    static constexpr QPoint SonderTextPos{80, 3};

    // evaluation
    TBcdWert Zahlengewinn; // what the last risked number win kept

    // discs
    bool SpielAbgebrochen = false; // the running game was declared invalid; its loops give up
    int Drehtiefe = 0;             // disc spin loops on the call stack

    // money
    int GeldSpeicherEuro = 0;           // whole Euros of the credit at the last limit test
    bool AuszahlungLaeuft = false;      // from the payout's first step to the end of the program
    bool AuszahlungAngefordert = false; // asked for, in the journal too: a restore finishes it
    bool AuszahlungGebucht = false;     // the payout closed the log and stored its books
    bool KasseVonAuszahlungGespeichert = false; // the journal may go once the payout stored "KA"
    bool SpielBezahlt = false;                  // the running game was paid for and has not ended
    bool BesuchGeschlossen = false; // the log is closed; the journal takes no more changes
};
