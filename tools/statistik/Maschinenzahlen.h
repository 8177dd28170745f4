#pragma once

#include "discs/Gewinntabelle.h"
#include "discs/Scheibenregeln.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// The machine's figures: return to player, special games, hit rates and the spread of the win,
// exactly from the discs' symbol probabilities and by simulating games through the win table.
namespace Maschinenzahlen {

// The symbol code that stands under the arrow of a disc resting at Winkel.
using TCodeBeiWinkel = std::function<int(int Winkel)>;
// For each disc, the code shown for each draw r when it comes to rest by itself.
using TScheiben = std::array<std::vector<int>, 3>;
TScheiben ScheibenAusRuhewinkeln(const TCodeBeiWinkel& CodeBeiWinkel);

// Wide enough for the exact sums of squares times the number of cases.
__extension__ typedef __int128 TGanz;

// A non-negative fraction, exact.
struct TBruch
{
    TGanz Zaehler = 0;
    TGanz Nenner = 1;
    double Wert() const;
    // Rounded half up to Stellen decimals, decimal comma.
    QString Dezimal(int Stellen) const;
};

// Exact sums over every equally likely case: the three draws, the screw position, the bonus
// counters and the risk light. The bonus counters form a Markov chain over 3^4 states in which
// every game moves at most one counter one step round its cycle 0 -> 1 -> 2 -> 0; each step has an
// inverse, so the transition matrix is doubly stochastic, the uniform distribution over the 81
// states is stationary, and since the chain is irreducible and may stay put it is the long-run
// distribution. In other words, in the long run every third triple of a fruit completes its
// series. Each light of the risk game weighs as many of its draws as end on it.
struct TExakt
{
    std::int64_t Faelle = 0;          // the total weight
    std::int64_t Gewinn = 0;          // credit won, Cent
    std::int64_t GewinnQuadrat = 0;   // Cent^2
    std::int64_t Sonderspiele = 0;    // special games won
    std::int64_t SonderQuadrat = 0;   // special games^2
    std::int64_t GewinnMalSonder = 0; // Cent * special games
    std::array<std::int64_t, Gewinntabelle::AnzahlRegeln + 1> Treffer{};
};
TExakt BerechneExakt(const TScheiben& Scheiben, bool RisikoEin);

// The return to player in percent of the stakes, special games played as games: what a game
// brings, divided by the stake of the games that special games do not pay. Requires fewer than
// one special game won per game.
TBruch AuszahlungsquoteProzent(const TExakt& Exakt);

// What a simulation counted: how often each pair (credit won in 10 Cent, special games / 5)
// occurred, and how often each rule held.
struct TZaehlung
{
    static constexpr int GewinnStufen = 301; // up to 30 Euro
    static constexpr int SonderStufen = 5;   // 0, 5, 10, 15, 20
    std::uint64_t Spiele = 0;
    std::vector<std::uint64_t> Haeufigkeit =
        std::vector<std::uint64_t>(GewinnStufen * SonderStufen, 0);
    std::array<std::uint64_t, Gewinntabelle::AnzahlRegeln + 1> Treffer{};
    void Addiere(const TZaehlung& Andere);
};

// Plays Spiele games through the win table: resting draws, screw and risk light drawn like the
// machine draws them, the bonus counters carried from game to game. The games are split into
// blocks, each with its own generator seeded from Saat and the block number, so the result
// depends on Saat only, not on the number of threads. Fortschritt, if given, is called from the
// threads with the number of games finished so far.
TZaehlung Simuliere(const TScheiben& Scheiben, bool RisikoEin, std::uint64_t Spiele,
                    std::uint64_t Saat, int Threads,
                    const std::function<void(std::uint64_t)>& Fortschritt = {});

// One figure, exact and as estimated by a simulation with its confidence intervals.
struct TKennzahl
{
    QString Schluessel; // for --json
    QString Name;       // German, for the table
    int Stellen = 4;    // decimals shown
    double Exakt = 0;
    QString ExaktText;
    double Schaetzung = 0;
    double Halbbreite = 0;        // 95 % confidence
    double HalbbreiteFamilie = 0; // 95 % for all figures together (Bonferroni)
    bool ImIntervall() const;     // exact figure inside the family-wide interval
};

// The figures in order: credit win, its standard deviation, special games, the two returns to
// player, then the hit rate of each rule. Familie: how many figures are checked together.
std::vector<TKennzahl> Kennzahlen(const TExakt& Exakt, const TZaehlung* Simulation, int Familie);

// The z value of a two-sided normal interval with coverage 1 - Alpha.
double ZWert(double Alpha);

} // namespace Maschinenzahlen
