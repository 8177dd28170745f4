// Kills a playing machine at random moments of its visits, at least the given number of times
// (default 100), with the state folder free, "voll" or "schreibgeschuetzt" (second argument; both
// mount file systems and need root), and checks after each kill that the next start restores the
// visit, pays it out and ends with the books right. Prints one line per round, the kills per phase
// and every failed check. It runs in folders of its own and touches none of the player's settings
// or visits.

#include "tools/Absturzlauf.h"
#include "tools/Messumgebung.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (const auto Rolle = Absturzlauf::SpieleRolle(argc, argv))
        return *Rolle;
    TMessumgebung Umgebungsordner;
    if (!Umgebungsordner.RichteEin("absturzlauf", {},
                                   "Spieldauer=1\r\nGeschwindigkeitAuszahlung=5\r\n"))
        return 1;
    QCoreApplication Anwendung(argc, argv);
    const int Abbrueche = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 100;
    const QByteArray Bodenname = argc > 2 ? QByteArray(argv[2]) : QByteArray("frei");
    const auto Boden = Bodenname == "voll"                ? Absturzlauf::TBoden::Voll
                       : Bodenname == "schreibgeschuetzt" ? Absturzlauf::TBoden::Schreibgeschuetzt
                                                          : Absturzlauf::TBoden::Frei;
    const Absturzlauf::TErgebnis Ergebnis = Absturzlauf::Laufe(
        QCoreApplication::applicationFilePath(), Abbrueche,
        [](const QString& Zeile) { std::printf("%s\n", qPrintable(Zeile)); }, Boden);
    std::printf("\n%d Runden, %d Abbrüche mit SIGKILL, %d Besuche vor dem Abbruch zu Ende\n",
                Ergebnis.Runden, Ergebnis.Abbrueche, Ergebnis.SauberBeendet);
    for (const auto& [Abschnitt, Anzahl] : Ergebnis.AbbruecheJeAbschnitt)
        std::printf("  getötet in %-11s %3d\n", qPrintable(Abschnitt), Anzahl);
    std::printf("Neustarts: %d Besuche wiederhergestellt, %d Enden vollendet, %d Journale älter "
                "als die Kasse verworfen\n",
                Ergebnis.Wiederhergestellt, Ergebnis.Vollendet, Ergebnis.Verworfen);
    std::printf("Runden mit vollem oder schreibgeschütztem Zustandsordner: %d\n",
                Ergebnis.Belastet);
    std::printf("Bücherprüfungen: %d, davon fehlgeschlagen: %lld\n", Ergebnis.Pruefungen,
                static_cast<long long>(Ergebnis.Fehler.size()));
    for (const QString& Fehler : Ergebnis.Fehler)
        std::printf("  %s\n", qPrintable(Fehler));
    return Ergebnis.Fehler.isEmpty() && Ergebnis.Abbrueche >= Abbrueche ? 0 : 1;
}
