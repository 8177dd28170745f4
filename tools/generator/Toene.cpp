#include "tools/generator/Generator.h"
#include "tools/generator/Synthese.h"

#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

using namespace Synthese;

namespace {

// Peak levels: the short sounds reach about 3 dB below full scale; the long, dense ones stay lower
// so that all of them sound about equally loud.
constexpr double Laut = 0.7, Mittel = 0.6, Leiser = 0.5;

// Pitches of the equal-tempered scale, in Hz.
constexpr double G3 = 196.00, C4 = 261.63, E4 = 329.63, G4 = 392.00;
constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, C6 = 1046.50, E6 = 1318.51, G6 = 1567.98,
                 C7 = 2093.00, E7 = 2637.02;

// A struck metal disc: partials that are no multiples of each other, the higher dying faster.
const std::vector<Teilton> Metall = {
    {1.00, 1.00, 0.220}, {2.41, 0.70, 0.110}, {3.93, 0.45, 0.060}, {5.37, 0.30, 0.040}};

// A soft chime: fundamental with a little octave and twelfth.
const std::vector<Teilton> Glocke = {{1, 1.0, 0.60}, {2, 0.25, 0.30}, {3, 0.10, 0.15}};

// A square-ish arcade voice: odd harmonics.
const std::vector<Teilton> Spielhalle = {
    {1, 1.0, 0.50}, {3, 0.33, 0.35}, {5, 0.20, 0.25}, {7, 0.14, 0.20}};

// A brass voice: all harmonics falling off with their number.
const std::vector<Teilton> Blech = {{1, 1.00, 0}, {2, 0.60, 0}, {3, 0.45, 0}, {4, 0.30, 0},
                                    {5, 0.22, 0}, {6, 0.15, 0}, {7, 0.10, 0}, {8, 0.07, 0}};

// A muted trombone: buzzy but darker than the brass.
const std::vector<Teilton> Posaune = {{1, 1.00, 0}, {2, 0.50, 0}, {3, 0.30, 0},
                                      {4, 0.18, 0}, {5, 0.10, 0}, {6, 0.06, 0}};

Note Ton(double Beginn, double Dauer, double Frequenz, const std::vector<Teilton>& Klang,
         double Pegel = 1)
{
    return {.Beginn = Beginn,
            .Dauer = Dauer,
            .FrequenzAnfang = Frequenz,
            .FrequenzEnde = Frequenz,
            .Teiltoene = Klang,
            .Pegel = Pegel};
}

Note Gleiten(Note N, double FrequenzEnde)
{
    N.FrequenzEnde = FrequenzEnde;
    return N;
}

Note MitVibrato(Note N, double Hz, double Tiefe)
{
    N.VibratoHz = Hz;
    N.VibratoTiefe = Tiefe;
    return N;
}

Note Weich(Note N, double Anschlag, double Ausklang)
{
    N.Anschlag = Anschlag;
    N.Ausklang = Ausklang;
    return N;
}

// A coin hits the tray and bounces twice, each time softer.
Signal Muenze()
{
    Signal S = Stille(0.6);
    const double Aufschlaege[][2] = {{0.00, 1.0}, {0.085, 0.55}, {0.150, 0.3}};
    for (const auto& [Beginn, Pegel] : Aufschlaege) {
        Mische(S, Weich(Ton(Beginn, 0.6 - Beginn, 1750, Metall, Pegel), 0.001, 0.05));
        MischeRauschen(S, Beginn, 0.01, 0.4 * Pegel, 0.002, 6000, 7);
    }
    return S;
}

// Ding-dong: please put money in.
Signal Einzahlen()
{
    Signal S = Stille(1.1);
    Mische(S, Weich(Ton(0.00, 0.50, E5, Glocke), 0.008, 0.10));
    Mische(S, Weich(Ton(0.40, 0.70, C5, Glocke), 0.008, 0.25));
    return S;
}

// A rising arpeggio, C E G C.
Signal GewonnenAuftakt()
{
    Signal S = Stille(0.9);
    const double Toene[] = {C5, E5, G5};
    for (int I = 0; I < 3; ++I)
        Mische(S, Weich(Ton(0.11 * I, 0.14, Toene[I], Spielhalle), 0.004, 0.03));
    Mische(S, Weich(Ton(0.33, 0.55, C6, Spielhalle), 0.004, 0.20));
    return S;
}

// Sparkling run up to a ringing C major chord.
Signal Gewonnen()
{
    Signal S = Stille(1.4);
    const double Lauf[] = {G5, C6, E6, G6};
    for (int I = 0; I < 4; ++I)
        Mische(S, Weich(Ton(0.07 * I, 0.09, Lauf[I], Glocke, 0.8), 0.003, 0.02));
    for (double Frequenz : {C6, E6, G6})
        Mische(S, MitVibrato(Weich(Ton(0.30, 1.1, Frequenz, Glocke, 0.6), 0.005, 0.4), 6, 0.003));
    return S;
}

// Ta-ta-ta-taaa in brass.
Signal SonderspieleAuftakt()
{
    Signal S = Stille(0.95);
    for (int I = 0; I < 3; ++I)
        Mische(S, Weich(Ton(0.12 * I, 0.10, G4, Blech, 0.8), 0.012, 0.03));
    Mische(S, MitVibrato(Weich(Ton(0.36, 0.58, C5, Blech), 0.02, 0.15), 5.5, 0.004));
    Mische(S, Weich(Ton(0.36, 0.58, C4, Blech, 0.5), 0.02, 0.15));
    return S;
}

// The big fanfare: a brass run, a long full chord and bells ringing over it.
Signal Sonderspiele()
{
    Signal S = Stille(2.5);
    const double Lauf[] = {C5, E5, G5};
    for (int I = 0; I < 3; ++I)
        Mische(S, Weich(Ton(0.10 * I, 0.11, Lauf[I], Blech, 0.8), 0.01, 0.02));
    for (double Frequenz : {C4, G4, C5, E5})
        Mische(S, MitVibrato(Weich(Ton(0.30, 2.15, Frequenz, Blech, 0.45), 0.04, 0.6), 5.5, 0.004));
    Mische(S, Weich(Ton(0.30, 2.15, G3, Blech, 0.35), 0.04, 0.6));
    const double Glocken[] = {C7, G6, E7, C7, G6, C7};
    for (int I = 0; I < 6; ++I)
        Mische(S, Weich(Ton(0.55 + 0.16 * I, 0.7, Glocken[I], Glocke, 0.22), 0.002, 0.3));
    return S;
}

// A heavy stop: a low falling boom with a dull knock at its start.
Signal Stop()
{
    Signal S = Stille(0.45);
    const std::vector<Teilton> Dumpf = {{1, 1.0, 0.09}, {2, 0.3, 0.04}};
    Mische(S, Weich(Gleiten(Ton(0, 0.45, 140, Dumpf), 45), 0.002, 0.1));
    MischeRauschen(S, 0, 0.06, 0.8, 0.012, 900, 11);
    return S;
}

// Wah, wah, wah, waaah: the trombone that laughs at a lost game.
Signal Ups()
{
    Signal S = Stille(1.85);
    const double Stufen[][2] = {{293.66, 287.0}, {277.18, 270.0}, {261.63, 254.0}};
    for (int I = 0; I < 3; ++I) {
        const auto [Von, Bis] = Stufen[I];
        Mische(S, Weich(Gleiten(Ton(0.30 * I, 0.27, Von, Posaune), Bis), 0.04, 0.08));
    }
    Note Schluss = Gleiten(Ton(0.90, 0.95, 246.94, Posaune), 165.0);
    Mische(S, MitVibrato(Weich(Schluss, 0.04, 0.35), 7, 0.025));
    return S;
}

void Schreibe(const QDir& Ziel, const char* Name, Signal S, double Spitze)
{
    Normiere(S, Spitze, 0.003, 0.02);
    QSaveFile Datei(Ziel.filePath(QString::fromLatin1(Name)));
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(AlsWav(AlsPcm(S))) < 0 ||
        !Datei.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(Datei.fileName()));
        std::exit(1);
    }
}

} // namespace

namespace Generator {

void ErzeugeToene(const QDir& Ziel)
{
    Schreibe(Ziel, "Muenze.WAV", Muenze(), Laut);
    Schreibe(Ziel, "einzahlen1.WAV", Einzahlen(), Mittel);
    Schreibe(Ziel, "gewonnen1.WAV", GewonnenAuftakt(), Mittel);
    Schreibe(Ziel, "gewonnen.WAV", Gewonnen(), Laut);
    Schreibe(Ziel, "Sonderspiele1.WAV", SonderspieleAuftakt(), Mittel);
    Schreibe(Ziel, "Sonderspiele.WAV", Sonderspiele(), Mittel);
    Schreibe(Ziel, "stop.WAV", Stop(), Laut);
    Schreibe(Ziel, "ups.WAV", Ups(), Leiser);
}

} // namespace Generator
