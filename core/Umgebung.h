#pragma once

#include "support/Sound.h"
#include "support/Verweise.h"
#include "support/Zufall.h"
#include "ui/Meldungen.h"

#include <QDateTime>
#include <QSize>
#include <functional>
#include <memory>

// What the main window takes from outside: message boxes, the audio output, the time of day,
// the random draws, the screen size, the opener of documents and addresses, the very end of the
// process and the folder the program file lies in. Every part left empty is filled with the real
// thing.
struct TMainFormUmgebung
{
    std::unique_ptr<IMeldungen> Meldungen;     // real message boxes
    std::unique_ptr<TSoundAusgabe> Tonausgabe; // the system's audio device
    std::function<QDateTime()> Uhr;            // the current local time
    std::function<QSize()> Bildschirm;         // size of the screen the window is on
    Verweise::TOeffner Oeffner;                // the desktop's default applications
    TZufall Zufall;                            // every random draw of the game
    // Who hears that the stored settings were damaged and put aside (a German text). Empty: the
    // window tells the player in a message box once its start-up has run.
    std::function<void(const QString&)> DefekterSpeicher;
    // Called last when the program ends, after the log, "Spieldauer" and "KA" are stored.
    // The real one ends the process at once, from whatever loop is running.
    std::function<void()> ProzessEnde;
    // The folder of the program file; empty: the folder of the running executable.
    QString Programmordner;
    // Why the machine may not keep the journal of the visit (a German text the start tells the
    // player): no lock keeps a second machine from it. Empty: the journal is kept.
    QString OhneJournal;
};
