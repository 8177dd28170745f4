#include "tools/generator/Synthese.h"

#include <algorithm>
#include <cmath>

namespace Synthese {

namespace {

constexpr double Pi = 3.14159265358979323846;

int Probe(double Sekunden)
{
    return static_cast<int>(std::lround(Sekunden * Abtastrate));
}

// Sine of an angle between 0 and pi/2 by its Taylor series; the last term left out is below 1e-11.
double SinusErsterQuadrant(double Winkel)
{
    const double Quadrat = Winkel * Winkel;
    double Glied = Winkel;
    double Summe = Winkel;
    for (int N = 1; N <= 7; ++N) {
        Glied *= -Quadrat / ((2.0 * N) * (2.0 * N + 1.0));
        Summe += Glied;
    }
    return Summe;
}

double Huellkurve(const Note& N, double Zeit)
{
    double Faktor = 1;
    if (N.Anschlag > 0 && Zeit < N.Anschlag)
        Faktor = Zeit / N.Anschlag;
    const double Rest = N.Dauer - Zeit;
    if (N.Ausklang > 0 && Rest < N.Ausklang)
        Faktor = std::min(Faktor, std::max(0.0, Rest / N.Ausklang));
    return Faktor;
}

bool UnterNyquist(const Note& N, const Teilton& T)
{
    const double HoechsteFrequenz =
        std::max(N.FrequenzAnfang, N.FrequenzEnde) * (1 + N.VibratoTiefe) * T.Verhaeltnis;
    return HoechsteFrequenz < 0.45 * Abtastrate;
}

void Verlaengere(Signal& Ziel, int Laenge)
{
    if (static_cast<int>(Ziel.size()) < Laenge)
        Ziel.resize(static_cast<std::size_t>(Laenge), 0.0);
}

} // namespace

double Sinus(double Umlaeufe)
{
    double Bruchteil = Umlaeufe - std::floor(Umlaeufe);
    double Vorzeichen = 1;
    if (Bruchteil >= 0.5) {
        Bruchteil -= 0.5;
        Vorzeichen = -1;
    }
    if (Bruchteil > 0.25)
        Bruchteil = 0.5 - Bruchteil;
    return Vorzeichen * SinusErsterQuadrant(2 * Pi * Bruchteil);
}

double Exp(double X)
{
    int Halbierungen = 0;
    while (X > 0.5 || X < -0.5) {
        X /= 2;
        ++Halbierungen;
    }
    double Glied = 1;
    double Summe = 1;
    for (int N = 1; N <= 14; ++N) {
        Glied *= X / N;
        Summe += Glied;
    }
    for (int I = 0; I < Halbierungen; ++I)
        Summe *= Summe;
    return Summe;
}

Signal Stille(double Sekunden)
{
    return Signal(static_cast<std::size_t>(Probe(Sekunden)), 0.0);
}

void Mische(Signal& Ziel, const Note& N)
{
    const int Start = Probe(N.Beginn);
    const int Laenge = Probe(N.Dauer);
    Verlaengere(Ziel, Start + Laenge);
    std::vector<double> Phasen(N.Teiltoene.size(), 0.0);
    for (int I = 0; I < Laenge; ++I) {
        const double Zeit = static_cast<double>(I) / Abtastrate;
        double Frequenz = N.FrequenzAnfang + (N.FrequenzEnde - N.FrequenzAnfang) * (Zeit / N.Dauer);
        if (N.VibratoTiefe > 0)
            Frequenz *= 1 + N.VibratoTiefe * Sinus(N.VibratoHz * Zeit);
        const double Grundpegel = N.Pegel * Huellkurve(N, Zeit);
        double Wert = 0;
        for (std::size_t K = 0; K < N.Teiltoene.size(); ++K) {
            const Teilton& T = N.Teiltoene[K];
            if (!UnterNyquist(N, T))
                continue;
            double Pegel = T.Pegel;
            if (T.Abklingzeit > 0)
                Pegel *= Exp(-Zeit / T.Abklingzeit);
            Wert += Pegel * Sinus(Phasen[K]);
            Phasen[K] += Frequenz * T.Verhaeltnis / Abtastrate;
            Phasen[K] -= std::floor(Phasen[K]);
        }
        Ziel[static_cast<std::size_t>(Start + I)] += Grundpegel * Wert;
    }
}

void MischeRauschen(Signal& Ziel, double Beginn, double Dauer, double Pegel, double Abklingzeit,
                    double EckfrequenzHz, std::uint32_t Startwert)
{
    const int Start = Probe(Beginn);
    const int Laenge = Probe(Dauer);
    Verlaengere(Ziel, Start + Laenge);
    const double Glaettung = 1 - Exp(-2 * Pi * EckfrequenzHz / Abtastrate);
    std::uint32_t Zustand = Startwert;
    double Gefiltert = 0;
    for (int I = 0; I < Laenge; ++I) {
        Zustand = Zustand * 1664525u + 1013904223u;
        const double Zufall = static_cast<double>(Zustand >> 8) / 8388608.0 - 1.0;
        Gefiltert += Glaettung * (Zufall - Gefiltert);
        const double Zeit = static_cast<double>(I) / Abtastrate;
        Ziel[static_cast<std::size_t>(Start + I)] += Pegel * Exp(-Zeit / Abklingzeit) * Gefiltert;
    }
}

void Normiere(Signal& S, double Spitze, double EinblendSek, double AusblendSek)
{
    double Groesste = 0;
    for (double Wert : S)
        Groesste = std::max(Groesste, std::abs(Wert));
    if (Groesste == 0)
        return;
    const double Faktor = Spitze / Groesste;
    for (double& Wert : S)
        Wert *= Faktor;
    const int Anzahl = static_cast<int>(S.size());
    const int Ein = std::min(Probe(EinblendSek), Anzahl);
    const int Aus = std::min(Probe(AusblendSek), Anzahl);
    for (int I = 0; I < Ein; ++I)
        S[static_cast<std::size_t>(I)] *= static_cast<double>(I) / Ein;
    for (int I = 0; I < Aus; ++I)
        S[static_cast<std::size_t>(Anzahl - 1 - I)] *= static_cast<double>(I) / Aus;
}

std::vector<std::int16_t> AlsPcm(const Signal& S)
{
    std::vector<std::int16_t> Pcm;
    Pcm.reserve(S.size());
    for (double Wert : S) {
        const long Stufe = std::clamp(std::lround(Wert * 32767.0), -32768L, 32767L);
        Pcm.push_back(static_cast<std::int16_t>(Stufe));
    }
    return Pcm;
}

namespace {

void HaengeAn32(QByteArray& Ziel, std::uint32_t Wert)
{
    for (int Byte = 0; Byte < 4; ++Byte)
        Ziel.append(static_cast<char>((Wert >> (8 * Byte)) & 0xFFu));
}

void HaengeAn16(QByteArray& Ziel, std::uint16_t Wert)
{
    Ziel.append(static_cast<char>(Wert & 0xFFu));
    Ziel.append(static_cast<char>((Wert >> 8) & 0xFFu));
}

} // namespace

QByteArray AlsWav(const std::vector<std::int16_t>& Pcm)
{
    const auto Datenbytes = static_cast<std::uint32_t>(Pcm.size() * 2);
    QByteArray Datei;
    Datei.reserve(static_cast<qsizetype>(44 + Datenbytes));
    Datei.append("RIFF");
    HaengeAn32(Datei, 36 + Datenbytes);
    Datei.append("WAVEfmt ");
    HaengeAn32(Datei, 16);
    HaengeAn16(Datei, 1); // PCM
    HaengeAn16(Datei, 1); // mono
    HaengeAn32(Datei, Abtastrate);
    HaengeAn32(Datei, Abtastrate * 2); // bytes per second
    HaengeAn16(Datei, 2);              // bytes per sample frame
    HaengeAn16(Datei, 16);             // bits per sample
    Datei.append("data");
    HaengeAn32(Datei, Datenbytes);
    for (std::int16_t Wert : Pcm)
        HaengeAn16(Datei, static_cast<std::uint16_t>(Wert));
    return Datei;
}

} // namespace Synthese
