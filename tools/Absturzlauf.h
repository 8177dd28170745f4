#pragma once

// A visit that survives a crash, tried for real: a window process plays a scripted visit
// offscreen at time-lapse and is killed with SIGKILL at a random moment of a chosen phase (the
// deposit, the spin, the evaluation, the risk game, the payout); the next start must restore the
// visit, pay it out and end. After every round the books are checked: the cash box changed by
// the deposits less the payouts to the cent, the payout was the credit and special games the
// machine held when it died, the log holds every deposit once, and nothing is left beside the
// stores.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>

namespace Absturzlauf {

// The roles of the playing process: "besuch" <round> plays a visit until it is killed (or pays
// out), "weiter" <round> starts again, pays out at once and ends. nullopt when argv names no role.
std::optional<int> SpieleRolle(int argc, char* argv[]);

struct TErgebnis
{
    int Runden = 0;
    int Abbrueche = 0;                           // processes killed
    std::map<QString, int> AbbruecheJeAbschnitt; // by the phase they were last seen in
    int SauberBeendet = 0;                       // visits that ended before their kill
    int Wiederhergestellt = 0;                   // restarts that went on with an open visit
    int Vollendet = 0;                           // restarts that finished a closed one
    int Verworfen = 0;                           // restarts that found a journal older than "KA"
    int Belastet = 0;   // rounds whose state folder was filled or made read-only before the kill
    int Pruefungen = 0; // book checks made
    QStringList Fehler; // every failed check, with its round
};

// The ground the journal stands on while the visit plays.
enum class TBoden
{
    Frei,
    // The state folder is a small file system of its own, filled up once the first deposit is
    // booked and emptied again before the next start.
    Voll,
    // The state folder turns read-only once the first deposit is booked; the next start finds
    // it so, the one after that writable again.
    Schreibgeschuetzt
};

// Plays rounds in the current config, state and working folders (the working folder holds the
// program file and its ini) until Abbrueche processes were killed; Programm is an executable that
// plays the roles. Bericht hears one line per round. Voll and Schreibgeschuetzt mount file
// systems over the state folder and need the rights to; without them every round fails.
TErgebnis Laufe(const QString& Programm, int Abbrueche,
                const std::function<void(const QString&)>& Bericht, TBoden Boden = TBoden::Frei);

} // namespace Absturzlauf
