// Measures how long the machine takes to start: from the beginning of the process to the end of
// the main window's creation, to its first drawing, and to the end of the start-up that the first
// paint performs. It runs in a folder and a configuration of its own, with the sounds off (the
// greeting waits half a second by design), and touches none of the player's settings.

#include "core/MainForm.h"
#include "tools/Messumgebung.h"
#include "ui/ScalierungsEinstell.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QElapsedTimer Uhr;
    Uhr.start();

    TMessumgebung Umgebungsordner;
    if (!Umgebungsordner.RichteEin("startzeit"))
        return 1;

    QApplication Anwendung(argc, argv);
    qint64 Erzeugt = 0;
    qint64 Gezeichnet = 0;
    qint64 Gestartet = 0;
    {
        TMainForm MainForm;
        TForm2 Form2(MainForm.GroessenZiel(), &MainForm);
        MainForm.SetzeGroessenDialog(&Form2);
        Erzeugt = Uhr.elapsed();
        QObject::connect(&MainForm, &TMainForm::ErstmalsGezeichnet,
                         [&] { Gezeichnet = Uhr.elapsed(); });
        QObject::connect(&MainForm, &TMainForm::StartAbgeschlossen, [&] {
            Gestartet = Uhr.elapsed();
            QCoreApplication::exit(0);
        });
        QTimer::singleShot(10000, &Anwendung, [] { QCoreApplication::exit(1); });
        MainForm.show();
        Anwendung.exec();
    }
    if (Gestartet == 0) {
        std::fprintf(stderr, "startzeit: der Start wurde nicht fertig\n");
        return 1;
    }
    std::printf("Hauptfenster erzeugt:              %5lld ms\n", static_cast<long long>(Erzeugt));
    std::printf("erstmals gezeichnet:               %5lld ms\n",
                static_cast<long long>(Gezeichnet));
    std::printf("Start beim ersten Zeichnen fertig: %5lld ms\n", static_cast<long long>(Gestartet));
    return 0;
}
