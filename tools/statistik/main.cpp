// vorlix_statistik: the machine's return to player, special games and hit rates, exactly and
// by simulating games through the win table, side by side.

#include "tools/statistik/Kunstwerk.h"
#include "tools/statistik/Maschinenzahlen.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <thread>
#include <unistd.h>

using namespace Maschinenzahlen;

namespace {

struct TEinstellung
{
    bool RisikoEin;
    std::vector<TKennzahl> Zahlen;
};

// Figures checked together: every figure of both settings.
constexpr int FigurenJeEinstellung = 5 + Gewinntabelle::AnzahlRegeln;
constexpr int Familie = 2 * FigurenJeEinstellung;

// Processor time of the whole process, all threads, in seconds.
double Prozessorzeit()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

QString Zahl(double Wert, int Stellen)
{
    return QLocale(QLocale::German).toString(Wert, 'f', Stellen);
}

void ZeigeFortschritt(double Anteil, const char* Was)
{
    constexpr int Breite = 40;
    const int Voll = int(Anteil * Breite);
    std::fprintf(stderr, "\r%-18s [%s%s] %3d %%", Was, std::string(Voll, '#').c_str(),
                 std::string(Breite - Voll, ' ').c_str(), int(Anteil * 100));
    std::fflush(stderr);
}

TZaehlung SimuliereMitFortschritt(const TScheiben& Scheiben, bool RisikoEin, std::uint64_t Spiele,
                                  std::uint64_t Saat, int Threads)
{
    std::atomic<std::uint64_t> Fertig{0};
    TZaehlung Ergebnis;
    std::thread Rechner([&] {
        Ergebnis = Simuliere(Scheiben, RisikoEin, Spiele, Saat, Threads,
                             [&Fertig](std::uint64_t n) { Fertig = n; });
        Fertig = Spiele + 1;
    });
    const bool Terminal = isatty(STDERR_FILENO);
    const auto Beginn = std::chrono::steady_clock::now();
    bool Gezeigt = false;
    const char* Was = RisikoEin ? "Risikospiel ein" : "Risikospiel aus";
    while (Fertig <= Spiele) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (Terminal && std::chrono::steady_clock::now() - Beginn > std::chrono::seconds(1)) {
            ZeigeFortschritt(double(std::min<std::uint64_t>(Fertig, Spiele)) / Spiele, Was);
            Gezeigt = true;
        }
    }
    Rechner.join();
    if (Gezeigt) {
        ZeigeFortschritt(1.0, Was);
        std::fprintf(stderr, "\n");
    }
    return Ergebnis;
}

void DruckeTabelle(const std::vector<TEinstellung>& Einstellungen, bool MitSimulation)
{
    for (const TEinstellung& E : Einstellungen) {
        std::printf("\n%s\n", E.RisikoEin ? "Risikospiel ein" : "Risikospiel aus");
        std::printf("%-46s %12s", "Kennzahl", "exakt");
        if (MitSimulation)
            std::printf(" %12s  %-27s", "Simulation", "95-%-Konfidenzintervall");
        std::printf("\n");
        for (const TKennzahl& K : E.Zahlen) {
            std::printf("%-46s %12s", K.Name.toUtf8().constData(),
                        K.ExaktText.toUtf8().constData());
            if (MitSimulation)
                std::printf(" %12s  %12s … %-12s%s",
                            Zahl(K.Schaetzung, K.Stellen).toUtf8().constData(),
                            Zahl(K.Schaetzung - K.Halbbreite, K.Stellen).toUtf8().constData(),
                            Zahl(K.Schaetzung + K.Halbbreite, K.Stellen).toUtf8().constData(),
                            K.ImIntervall() ? "" : "  ABWEICHUNG");
            std::printf("\n");
        }
    }
}

QJsonObject AlsJson(const std::vector<TEinstellung>& Einstellungen, bool MitSimulation)
{
    QJsonArray Liste;
    for (const TEinstellung& E : Einstellungen) {
        QJsonArray Zahlen;
        for (const TKennzahl& K : E.Zahlen) {
            QJsonObject O{{"schluessel", K.Schluessel},
                          {"name", K.Name},
                          {"exakt", K.Exakt},
                          {"exakt_text", K.ExaktText}};
            if (MitSimulation) {
                O["simulation"] = K.Schaetzung;
                O["halbbreite_95"] = K.Halbbreite;
                O["im_intervall"] = K.ImIntervall();
            }
            Zahlen.append(O);
        }
        Liste.append(QJsonObject{{"risikospiel", E.RisikoEin}, {"kennzahlen", Zahlen}});
    }
    return {{"einstellungen", Liste}};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication App(argc, argv);
    QCommandLineParser Parser;
    Parser.setApplicationDescription(QStringLiteral(
        "Auszahlungsquote, Sonderspiele und Trefferhäufigkeiten des Automaten: exakt und durch "
        "Simulation."));
    Parser.addHelpOption();
    const QCommandLineOption Spieleopt(QStringList{"n", "spiele"},
                                       QStringLiteral("Simulierte Spiele je Einstellung (0: "
                                                      "nur exakt)."),
                                       QStringLiteral("anzahl"), QStringLiteral("10000000"));
    const QCommandLineOption Saatopt(QStringList{"s", "saat"},
                                     QStringLiteral("Saat des Zufallsgenerators."),
                                     QStringLiteral("zahl"));
    const QCommandLineOption Threadopt(QStringList{"t", "threads"},
                                       QStringLiteral("Anzahl der Threads."),
                                       QStringLiteral("anzahl"));
    const QCommandLineOption Jsonopt(QStringLiteral("json"),
                                     QStringLiteral("Die Zahlen als JSON ausgeben."));
    Parser.addOptions({Spieleopt, Saatopt, Threadopt, Jsonopt});
    Parser.process(App);

    bool Gut = true;
    const std::uint64_t Spiele = Parser.value(Spieleopt).toULongLong(&Gut);
    if (!Gut) {
        std::fprintf(stderr, "Ungültige Anzahl der Spiele.\n");
        return 2;
    }
    std::uint64_t Saat = std::random_device{}() | (std::uint64_t(std::random_device{}()) << 32);
    if (Parser.isSet(Saatopt) && !((Saat = Parser.value(Saatopt).toULongLong(&Gut)), Gut)) {
        std::fprintf(stderr, "Ungültige Saat.\n");
        return 2;
    }
    int Threads = int(std::max(1u, std::thread::hardware_concurrency()));
    if (Parser.isSet(Threadopt) &&
        (!((Threads = Parser.value(Threadopt).toInt(&Gut)), Gut) || Threads < 1)) {
        std::fprintf(stderr, "Ungültige Anzahl der Threads.\n");
        return 2;
    }

    // Each resting angle goes through the machine's rotation and marker reading once; the games
    // then look the codes up.
    const QImage Kunstwerk = Scheibenkunstwerk();
    if (Kunstwerk.isNull()) {
        std::fprintf(stderr, "Das Scheibenbild fehlt im Programm.\n");
        return 2;
    }
    const TScheiben Scheiben = ScheibenAusRuhewinkeln(CodeDurchDrehung(Kunstwerk));
    std::vector<TEinstellung> Einstellungen;
    double Sekunden = 0;
    double CpuSekunden = 0;
    for (bool RisikoEin : {true, false}) {
        const TExakt Exakt = BerechneExakt(Scheiben, RisikoEin);
        TZaehlung Zaehlung;
        if (Spiele > 0) {
            const auto Beginn = std::chrono::steady_clock::now();
            const double CpuBeginn = Prozessorzeit();
            Zaehlung = SimuliereMitFortschritt(Scheiben, RisikoEin, Spiele, Saat, Threads);
            CpuSekunden += Prozessorzeit() - CpuBeginn;
            Sekunden +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - Beginn).count();
        }
        Einstellungen.push_back({RisikoEin, Kennzahlen(Exakt, &Zaehlung, Familie)});
    }

    bool AlleDrin = true;
    for (const TEinstellung& E : Einstellungen)
        for (const TKennzahl& K : E.Zahlen)
            AlleDrin = AlleDrin && (Spiele == 0 || K.ImIntervall());
    const double Tempo = Sekunden > 0 ? 2.0 * double(Spiele) / Sekunden : 0;
    const double CpuTempo = CpuSekunden > 0 ? 2.0 * double(Spiele) / CpuSekunden : 0;

    if (Parser.isSet(Jsonopt)) {
        QJsonObject O = AlsJson(Einstellungen, Spiele > 0);
        O["spiele_je_einstellung"] = double(Spiele);
        O["saat"] = QString::number(Saat);
        O["threads"] = Threads;
        O["sekunden"] = Sekunden;
        O["spiele_je_sekunde"] = Tempo;
        O["cpu_sekunden"] = CpuSekunden;
        O["spiele_je_cpu_sekunde"] = CpuTempo;
        O["alle_im_intervall"] = AlleDrin;
        std::printf("%s", QJsonDocument(O).toJson().constData());
        return AlleDrin ? 0 : 1;
    }

    const QLocale De(QLocale::German);
    std::printf("Vorlix – Zahlen des Automaten (Einsatz 20 Cent je Spiel)\n");
    if (Spiele > 0)
        std::printf("Simuliert: %s Spiele je Einstellung, Saat %llu, %d Threads\n",
                    De.toString(qulonglong(Spiele)).toUtf8().constData(),
                    static_cast<unsigned long long>(Saat), Threads);
    DruckeTabelle(Einstellungen, Spiele > 0);
    if (Spiele == 0)
        return 0;
    std::printf("\nRegeln: 1 = 1·1·1, 2 = 2·2·2, 3 = 3·3·3, 4 = 3 in der Mitte, 5 = 4·4·4; "
                "6/7 Zitrone, 8/9 Erdbeere,\n10/11 Karotte, 12/13 Kirsche, je Dreier/Paar.\n");
    // On a shared machine the wall clock also counts other programs; the processor time does not.
    std::printf("Zeit: %s s, %s Mio. Spiele/s; Prozessorzeit %s s, %s Mio. Spiele je "
                "Prozessorsekunde\n",
                Zahl(Sekunden, 2).toUtf8().constData(), Zahl(Tempo / 1e6, 1).toUtf8().constData(),
                Zahl(CpuSekunden, 2).toUtf8().constData(),
                Zahl(CpuTempo / 1e6, 1).toUtf8().constData());
    std::printf("%s\n", AlleDrin ? "Ergebnis: Jede exakte Zahl liegt in ihrem Intervall."
                                 : "Ergebnis: ABWEICHUNG – eine exakte Zahl liegt außerhalb ihres "
                                   "Intervalls.");
    std::printf("(Geprüft wird gemeinsam für alle %d Zahlen zum Niveau 95 %%, z = %s; "
                "die Tabelle zeigt die Einzelintervalle.)\n",
                Familie, Zahl(ZWert(0.05 / Familie), 2).toUtf8().constData());
    return AlleDrin ? 0 : 1;
}
