// Prints the median time of one 250 x 250 rotation for the machine's rotation and for the plain
// per-pixel loop, and how many times faster the machine's is.

#include "discs/Rotation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

using TDrehfunktion = std::function<void(const TBildzeilen&, const TBildzeilen&, int, int, double)>;

double Median(std::vector<double> Zeiten)
{
    const auto Mitte = Zeiten.begin() + Zeiten.size() / 2;
    std::nth_element(Zeiten.begin(), Mitte, Zeiten.end());
    return *Mitte;
}

double Mikrosekunden(TDrehfunktion Drehe, const TBildzeilen& Quelle, const TBildzeilen& Ziel,
                     double Winkel)
{
    const auto Anfang = std::chrono::steady_clock::now();
    Drehe(Quelle, Ziel, 125, 125, Winkel);
    const auto Ende = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(Ende - Anfang).count();
}

} // namespace

int main()
{
    constexpr int Seite = 250;
    std::vector<uchar> QuellDaten((3 * Seite + 2) * Seite), ZielDaten((3 * Seite + 2) * Seite);
    std::mt19937 Erzeuger(1);
    for (uchar& Byte : QuellDaten)
        Byte = static_cast<uchar>(Erzeuger());
    const TBildzeilen Quelle{QuellDaten.data(), Seite, Seite, 3 * Seite + 2};
    const TBildzeilen Ziel{ZielDaten.data(), Seite, Seite, 3 * Seite + 2};

    // Taken in turns, so a busy machine slows both alike.
    std::vector<double> Programm, Einfach;
    for (int i = 0; i < 401; ++i) {
        const double Winkel = 45.0 * (i % 29) + (i % 3 == 0 ? 0.0 : 17.3 * i);
        Programm.push_back(Mikrosekunden(&Rotation::Drehe, Quelle, Ziel, Winkel));
        Einfach.push_back(Mikrosekunden(&Rotation::DreheEinfach, Quelle, Ziel, Winkel));
    }
    const double MedianProgramm = Median(Programm), MedianEinfach = Median(Einfach);
    std::printf("Drehung 250 x 250, Median:\n");
    std::printf("  Programm:         %8.1f µs\n", MedianProgramm);
    std::printf("  einfache Schleife:%8.1f µs\n", MedianEinfach);
    std::printf("  Faktor:           %8.2f\n", MedianEinfach / MedianProgramm);
    return 0;
}
