// vorlix_generator <asset folder> [--kontaktbogen <png>]
#include "tools/generator/Generator.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Anwendung(argc, argv);
    const QStringList Argumente = Anwendung.arguments();
    if (Argumente.size() < 2) {
        std::fprintf(stderr, "usage: vorlix_generator <asset folder> [--kontaktbogen <png>]\n");
        return 2;
    }
    const QDir Ziel(Argumente.at(1));
    try {
        Ziel.mkpath(".");
        Generator::ErzeugeBilder(Ziel);
        Generator::ErzeugeToene(Ziel);
        Generator::ErzeugeHilfe(Ziel);
        Generator::ErzeugeSymbol(Ziel);
        const int Bogen = Argumente.indexOf("--kontaktbogen");
        if (Bogen > 0 && Bogen + 1 < Argumente.size())
            Generator::ErzeugeKontaktbogen(Ziel, Argumente.at(Bogen + 1));
    } catch (const std::exception& Fehler) {
        std::fprintf(stderr, "vorlix_generator: %s\n", Fehler.what());
        return 1;
    }
    return 0;
}
