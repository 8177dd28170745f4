// Measures the processor load of a game: plays one game in real time, offscreen, and prints the
// share of one core the program used from the left disc's first frame to the right disc's last.
// It runs in a folder and a configuration of its own with the sounds off, and touches none of
// the player's settings. Argument: the game duration in seconds, 1 to 8 (default 1).

#include "pruefstand/BeobachtetesFenster.h"
#include "tools/Messumgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

struct TMessung
{
    QElapsedTimer Uhr;
    double ProzessorAnfang = 0;
    double Wand = 0;
    double Prozessor = 0;
    int Bilder = 0;

    void Bild()
    {
        if (Bilder++ == 0) {
            Uhr.start();
            ProzessorAnfang = Prozessorsekunden();
        }
        Wand = Uhr.nsecsElapsed() / 1e9;
        Prozessor = Prozessorsekunden() - ProzessorAnfang;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    const int Spieldauer = ZahlAusArgument(argc, argv, 1, 8, 1);
    TMessumgebung Umgebungsordner;
    if (!Umgebungsordner.RichteEin("spiellast"))
        return 1;

    QApplication Anwendung(argc, argv);
    TMessung Messung;
    TBeobachtetesFenster MainForm;
    MainForm.Drehbild = [&Messung](int, int) { Messung.Bild(); };
    QObject::connect(&MainForm, &TMainForm::StartAbgeschlossen, [&] {
        QTimer::singleShot(0, &MainForm, [&] {
            SpieleEinSpiel(MainForm, Spieldauer);
            QCoreApplication::exit(0);
        });
    });
    MainForm.show();
    Anwendung.exec();
    if (Messung.Bilder < 2) {
        std::fprintf(stderr, "spiellast: kein Spiel gelaufen\n");
        return 1;
    }
    std::printf("Spieldauer %d s: %d Bilder in %.2f s, Prozessor %.2f s = %.1f %% eines Kerns\n",
                Spieldauer, Messung.Bilder, Messung.Wand, Messung.Prozessor,
                100.0 * Messung.Prozessor / Messung.Wand);
    return 0;
}
