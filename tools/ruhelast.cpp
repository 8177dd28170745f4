// Measures the processor load of the machine while it waits for the player: once before the
// first game and once between two games (the screw turns, the clock ticks), each over the given
// number of seconds (default 20), and prints the share of one core. It runs offscreen unless a
// display is there, in a folder and a configuration of its own with the sounds off, and touches
// none of the player's settings.

#include "core/MainForm.h"
#include "tools/Messumgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

// Lets the machine wait Sekunden after a settling time, prints its load, then calls Weiter.
void MisstRuhe(const char* Wann, int Sekunden, std::function<void()> Weiter)
{
    QTimer::singleShot(2000, [=] {
        auto Uhr = std::make_shared<QElapsedTimer>();
        Uhr->start();
        const double Anfang = Prozessorsekunden();
        QTimer::singleShot(Sekunden * 1000, [=] {
            const double Wand = Uhr->nsecsElapsed() / 1e9;
            const double Prozessor = Prozessorsekunden() - Anfang;
            std::printf("%s: %.3f s Prozessor in %.1f s = %.2f %% eines Kerns\n", Wann, Prozessor,
                        Wand, 100.0 * Prozessor / Wand);
            std::fflush(stdout);
            Weiter();
        });
    });
}

} // namespace

int main(int argc, char* argv[])
{
    TMessumgebung Umgebungsordner;
    if (!Umgebungsordner.RichteEin("ruhelast"))
        return 1;

    QApplication Anwendung(argc, argv);
    const int Sekunden = ZahlAusArgument(argc, argv, 1, 3600, 20);
    TMainForm MainForm;
    bool Gespielt = false;
    QObject::connect(&MainForm, &TMainForm::StartAbgeschlossen, [&] {
        MisstRuhe("Vor dem ersten Spiel", Sekunden, [&] {
            SpieleEinSpiel(MainForm, 1);
            Gespielt = !MainForm.SpielLaeuft;
            MisstRuhe("Zwischen zwei Spielen", Sekunden, [] { QCoreApplication::exit(0); });
        });
    });
    MainForm.show();
    Anwendung.exec();
    if (!Gespielt) {
        std::fprintf(stderr, "ruhelast: kein Spiel gelaufen\n");
        return 1;
    }
    return 0;
}
