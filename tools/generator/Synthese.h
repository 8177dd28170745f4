#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// A small additive synthesiser for the machine's sounds. It uses only the basic floating-point
// operations (no library sine or exponential), so a sound comes out with the same bytes on every
// run and on every machine with IEEE arithmetic.
namespace Synthese {

constexpr int Abtastrate = 22050; // samples per second, mono

using Signal = std::vector<double>; // samples, nominally within -1 .. 1

// One partial of a note: frequency as a multiple of the note's pitch, relative level, and the
// time in seconds in which it decays to 1/e (0 keeps it at its level for the whole note).
struct Teilton
{
    double Verhaeltnis;
    double Pegel;
    double Abklingzeit;
};

// A note: starts at Beginn, lasts Dauer (both seconds), glides linearly from FrequenzAnfang to
// FrequenzEnde (Hz), rises within Anschlag seconds and falls away in the last Ausklang seconds.
struct Note
{
    double Beginn = 0;
    double Dauer = 0;
    double FrequenzAnfang = 0;
    double FrequenzEnde = 0;
    std::vector<Teilton> Teiltoene;
    double Pegel = 1;
    double Anschlag = 0.005;
    double Ausklang = 0.02;
    double VibratoHz = 0;
    double VibratoTiefe = 0; // relative frequency swing, 0.01 = one percent
};

double Sinus(double Umlaeufe);            // sine of an angle given in full turns
double Exp(double X);                     // e^X, accurate to about 1e-12 for |X| < 50
Signal Stille(double Sekunden);           // a silent signal of that length
void Mische(Signal& Ziel, const Note& N); // adds the note, lengthening Ziel if needed

// Adds a burst of white noise (fixed seed), smoothed by a one-pole low-pass with the given corner
// frequency and decaying with the given time constant.
void MischeRauschen(Signal& Ziel, double Beginn, double Dauer, double Pegel, double Abklingzeit,
                    double EckfrequenzHz, std::uint32_t Startwert);

// Scales the signal so that its largest magnitude is Spitze (0 < Spitze < 1), then ramps the
// first EinblendSek and the last AusblendSek linearly from and to silence.
void Normiere(Signal& S, double Spitze, double EinblendSek, double AusblendSek);

// 16-bit PCM samples, rounded to the nearest step and limited to the 16-bit range.
std::vector<std::int16_t> AlsPcm(const Signal& S);

// A complete RIFF/WAVE file: 44-byte header (PCM, mono, 16 bit, Abtastrate) and the samples.
QByteArray AlsWav(const std::vector<std::int16_t>& Pcm);

} // namespace Synthese
