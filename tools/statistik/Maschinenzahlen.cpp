#include "tools/statistik/Maschinenzahlen.h"

#include <atomic>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <stdexcept>
#include <thread>

namespace Maschinenzahlen {
namespace {

struct TErtrag
{
    int Cent = 0;
    int Sonderspiele = 0;
};

TErtrag Ertrag(const Gewinntabelle::TAuswertung& A)
{
    TErtrag E;
    for (const auto& Schritt : A.Schritte) {
        if (Schritt.Art == Gewinntabelle::TSchritt::TArt::Gutschrift)
            E.Cent += int(Schritt.Betrag.Cent());
        else if (Schritt.Art == Gewinntabelle::TSchritt::TArt::Sonderspiele)
            E.Sonderspiele += int(Schritt.Betrag.Cent() / 100);
    }
    return E;
}

bool Senkrecht(int Schraubenstellung)
{
    return Scheibenregeln::SchraubeSenkrecht(Scheibenregeln::Schraubenwinkel(Schraubenstellung));
}

// How many of the ladder's draws end on each light, in lowest terms, by TRisikoErgebnis.
std::array<std::int64_t, 3> Lichtgewichte()
{
    std::array<std::int64_t, 3> Gewicht{};
    for (int m = 0; m < Scheibenregeln::Risikoziehungen; ++m)
        ++Gewicht[static_cast<int>(Scheibenregeln::Risikolicht(m))];
    const std::int64_t Teiler = std::gcd(std::gcd(Gewicht[0], Gewicht[1]), Gewicht[2]);
    for (std::int64_t& G : Gewicht)
        G /= Teiler;
    return Gewicht;
}

constexpr std::uint64_t Blockgroesse = 1 << 16;

void SpieleBlock(const TScheiben& Scheiben, bool RisikoEin, std::uint64_t Anzahl,
                 std::mt19937_64& Generator, TZaehlung& Z)
{
    const auto Ziehe = [&Generator](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(Generator);
    };
    // Each block starts where the long run stands: every counter state equally likely.
    constexpr int N = Gewinntabelle::LampenJeFrucht;
    Gewinntabelle::TBonusZaehler Bonus{Ziehe(N), Ziehe(N), Ziehe(N), Ziehe(N)};
    const Gewinntabelle::TRisikoFrage Risiko = [&] {
        return Scheibenregeln::Risikolicht(Ziehe(Scheibenregeln::Risikoziehungen));
    };
    const int NL = int(Scheiben[0].size());
    const int NM = int(Scheiben[1].size());
    const int NR = int(Scheiben[2].size());
    // One uniform draw over every combination of the three discs and the screw splits into
    // four independent uniform draws, at a quarter of the cost.
    const int Kombinationen = NL * NM * NR * Scheibenregeln::Schraubenstellungen;
    for (std::uint64_t Spiel = 0; Spiel < Anzahl; ++Spiel) {
        int Wurf = Ziehe(Kombinationen);
        const int Links = Wurf % NL;
        Wurf /= NL;
        const int Mitte = Wurf % NM;
        Wurf /= NM;
        const int Rechts = Wurf % NR;
        const int Schraube = Wurf / NR;
        const Gewinntabelle::TSpielstand Stand{Scheiben[0][Links],  Scheiben[1][Mitte],
                                               Scheiben[2][Rechts], Senkrecht(Schraube),
                                               RisikoEin,           false};
        const auto A = Gewinntabelle::WerteAus(Stand, Bonus, Risiko);
        const TErtrag E = A.Schritte.empty() ? TErtrag{} : Ertrag(A);
        const int Stufe = E.Cent / 10;
        const int Sonder = E.Sonderspiele / 5;
        if (E.Cent % 10 || Stufe >= TZaehlung::GewinnStufen || E.Sonderspiele % 5 ||
            Sonder >= TZaehlung::SonderStufen)
            throw std::logic_error("win outside the counted range");
        ++Z.Haeufigkeit[Stufe * TZaehlung::SonderStufen + Sonder];
        for (unsigned Regeln = A.Regeln; Regeln; Regeln &= Regeln - 1)
            ++Z.Treffer[std::countr_zero(Regeln)];
    }
    Z.Spiele += Anzahl;
}

// Mean, variance and covariance of the counted credit (Cent) and special games.
struct TMomente
{
    double N = 0;
    double MittelX = 0, MittelY = 0;
    double VarX = 0, VarY = 0, Kov = 0, ViertesX = 0;
};

TMomente Momente(const TZaehlung& Z)
{
    TMomente M;
    M.N = double(Z.Spiele);
    const auto Jede = [&Z](auto&& Tu) {
        for (int i = 0; i < TZaehlung::GewinnStufen; ++i)
            for (int j = 0; j < TZaehlung::SonderStufen; ++j)
                if (const auto n = Z.Haeufigkeit[i * TZaehlung::SonderStufen + j])
                    Tu(double(n), 10.0 * i, 5.0 * j);
    };
    Jede([&](double n, double x, double y) {
        M.MittelX += n * x;
        M.MittelY += n * y;
    });
    M.MittelX /= M.N;
    M.MittelY /= M.N;
    Jede([&](double n, double x, double y) {
        const double dx = x - M.MittelX;
        const double dy = y - M.MittelY;
        M.VarX += n * dx * dx;
        M.VarY += n * dy * dy;
        M.Kov += n * dx * dy;
        M.ViertesX += n * dx * dx * dx * dx;
    });
    M.VarX /= M.N;
    M.VarY /= M.N;
    M.Kov /= M.N;
    M.ViertesX /= M.N;
    return M;
}

TBruch Bruch(TGanz Zaehler, TGanz Nenner)
{
    return {Zaehler, Nenner};
}

} // namespace

TScheiben ScheibenAusRuhewinkeln(const TCodeBeiWinkel& CodeBeiWinkel)
{
    using namespace Scheibenregeln;
    TScheiben Scheiben;
    for (TScheibe S : {TScheibe::Links, TScheibe::Mitte, TScheibe::Rechts})
        for (int r = 0; r < Drehplan(S).Ziehungen; ++r)
            Scheiben[int(S)].push_back(CodeBeiWinkel(Ruhewinkel(S, r)));
    return Scheiben;
}

double TBruch::Wert() const
{
    return double(static_cast<long double>(Zaehler) / static_cast<long double>(Nenner));
}

QString TBruch::Dezimal(int Stellen) const
{
    TGanz Skala = 1;
    for (int i = 0; i < Stellen; ++i)
        Skala *= 10;
    const TGanz Gerundet = (2 * Zaehler * Skala + Nenner) / (2 * Nenner);
    const auto Ganz = static_cast<long long>(Gerundet / Skala);
    QString Text = QString::number(Ganz);
    if (Stellen > 0)
        Text +=
            u',' +
            QString::number(static_cast<long long>(Gerundet % Skala)).rightJustified(Stellen, u'0');
    return Text;
}

TExakt BerechneExakt(const TScheiben& Scheiben, bool RisikoEin)
{
    // How many draws of each disc show each code.
    std::array<std::array<int, 9>, 3> Anzahl{};
    for (int S = 0; S < 3; ++S)
        for (int Code : Scheiben[S])
            ++Anzahl[S][Code];

    const std::array<std::int64_t, 3> Lichtgewicht = Lichtgewichte();
    // The bonus counters' states, each counter a digit to the base N.
    constexpr int N = Gewinntabelle::LampenJeFrucht;
    TExakt E;
    for (int L = 1; L <= 8; ++L)
        for (int M = 1; M <= 8; ++M)
            for (int R = 1; R <= 8; ++R) {
                const std::int64_t Codegewicht =
                    std::int64_t(Anzahl[0][L]) * Anzahl[1][M] * Anzahl[2][R];
                if (Codegewicht == 0)
                    continue;
                for (int Stellung = 0; Stellung < Scheibenregeln::Schraubenstellungen; ++Stellung)
                    for (int Zustand = 0; Zustand < N * N * N * N; ++Zustand)
                        for (auto Licht : {Gewinntabelle::TRisikoErgebnis::Doppelt,
                                           Gewinntabelle::TRisikoErgebnis::Einfach,
                                           Gewinntabelle::TRisikoErgebnis::Nichts}) {
                            const std::int64_t Gewicht =
                                Codegewicht * Lichtgewicht[static_cast<int>(Licht)];
                            Gewinntabelle::TBonusZaehler Bonus{Zustand % N, Zustand / N % N,
                                                               Zustand / (N * N) % N,
                                                               Zustand / (N * N * N)};
                            const auto A = Gewinntabelle::WerteAus(
                                {L, M, R, Senkrecht(Stellung), RisikoEin, false}, Bonus,
                                [Licht] { return Licht; });
                            const TErtrag Ert = Ertrag(A);
                            E.Faelle += Gewicht;
                            E.Gewinn += Gewicht * Ert.Cent;
                            E.GewinnQuadrat += Gewicht * Ert.Cent * Ert.Cent;
                            E.Sonderspiele += Gewicht * Ert.Sonderspiele;
                            E.SonderQuadrat += Gewicht * Ert.Sonderspiele * Ert.Sonderspiele;
                            E.GewinnMalSonder += Gewicht * Ert.Cent * Ert.Sonderspiele;
                            for (int n = 1; n <= Gewinntabelle::AnzahlRegeln; ++n)
                                if (A.Regeln & (1u << n))
                                    E.Treffer[n] += Gewicht;
                        }
            }
    return E;
}

TBruch AuszahlungsquoteProzent(const TExakt& E)
{
    return {TGanz(E.Gewinn) * 5, TGanz(E.Faelle) - E.Sonderspiele};
}

void TZaehlung::Addiere(const TZaehlung& Andere)
{
    Spiele += Andere.Spiele;
    for (std::size_t i = 0; i < Haeufigkeit.size(); ++i)
        Haeufigkeit[i] += Andere.Haeufigkeit[i];
    for (std::size_t i = 0; i < Treffer.size(); ++i)
        Treffer[i] += Andere.Treffer[i];
}

TZaehlung Simuliere(const TScheiben& Scheiben, bool RisikoEin, std::uint64_t Spiele,
                    std::uint64_t Saat, int Threads,
                    const std::function<void(std::uint64_t)>& Fortschritt)
{
    const std::uint64_t Bloecke = (Spiele + Blockgroesse - 1) / Blockgroesse;
    std::atomic<std::uint64_t> NaechsterBlock{0};
    std::atomic<std::uint64_t> Fertig{0};
    std::vector<TZaehlung> Teile(std::max(1, Threads));
    const auto Arbeite = [&](TZaehlung& Teil) {
        for (std::uint64_t Block = NaechsterBlock++; Block < Bloecke; Block = NaechsterBlock++) {
            std::seed_seq Keim{std::uint32_t(Saat), std::uint32_t(Saat >> 32), std::uint32_t(Block),
                               std::uint32_t(Block >> 32)};
            std::mt19937_64 Generator(Keim);
            const std::uint64_t Anzahl = std::min(Blockgroesse, Spiele - Block * Blockgroesse);
            SpieleBlock(Scheiben, RisikoEin, Anzahl, Generator, Teil);
            const std::uint64_t Jetzt = Fertig += Anzahl;
            if (Fortschritt)
                Fortschritt(Jetzt);
        }
    };
    std::vector<std::thread> Arbeiter;
    for (std::size_t i = 1; i < Teile.size(); ++i)
        Arbeiter.emplace_back(Arbeite, std::ref(Teile[i]));
    Arbeite(Teile[0]);
    for (auto& A : Arbeiter)
        A.join();
    for (std::size_t i = 1; i < Teile.size(); ++i)
        Teile[0].Addiere(Teile[i]);
    return std::move(Teile[0]);
}

double ZWert(double Alpha)
{
    double Unten = 0, Oben = 40;
    for (int i = 0; i < 200; ++i) {
        const double Mitte = (Unten + Oben) / 2;
        (std::erfc(Mitte / std::sqrt(2.0)) > Alpha ? Unten : Oben) = Mitte;
    }
    return (Unten + Oben) / 2;
}

bool TKennzahl::ImIntervall() const
{
    return std::abs(Exakt - Schaetzung) <= HalbbreiteFamilie;
}

std::vector<TKennzahl> Kennzahlen(const TExakt& E, const TZaehlung* Simulation, int Familie)
{
    const TGanz F = E.Faelle;
    const TGanz G = E.Gewinn;
    const TGanz S = E.Sonderspiele;
    const TGanz Varianzzaehler = TGanz(E.GewinnQuadrat) * F - G * G; // Cent^2 * F^2
    const double Streuung = double(std::sqrt(static_cast<long double>(Varianzzaehler)) /
                                   static_cast<long double>(F) / 100.0L);

    std::vector<TKennzahl> K;
    const auto Neu = [&K](const char* Schluessel, QString Name, int Stellen, TBruch Wert) {
        K.push_back({QString::fromLatin1(Schluessel), std::move(Name), Stellen, Wert.Wert(),
                     Wert.Dezimal(Stellen)});
    };
    Neu("gewinn_je_spiel_euro", QStringLiteral("Gewinn je Spiel (Euro)"), 4, Bruch(G, F * 100));
    K.push_back({QStringLiteral("standardabweichung_euro"),
                 QStringLiteral("Standardabweichung des Gewinns (Euro)"), 4, Streuung,
                 QString::number(Streuung, 'f', 4).replace(u'.', u',')});
    Neu("sonderspiele_je_spiel", QStringLiteral("Sonderspiele je Spiel"), 6, Bruch(S, F));
    // When a game brings a special game or more on average, a stake never runs out.
    if (S < F)
        Neu("auszahlungsquote_sonderspiele_gespielt_prozent",
            QStringLiteral("Auszahlungsquote, Sonderspiele gespielt (%)"), 4,
            AuszahlungsquoteProzent(E));
    else
        K.push_back({QStringLiteral("auszahlungsquote_sonderspiele_gespielt_prozent"),
                     QStringLiteral("Auszahlungsquote, Sonderspiele gespielt (%)"), 4,
                     std::numeric_limits<double>::infinity(), QStringLiteral("unendlich")});
    Neu("auszahlungsquote_sonderspiele_20_cent_prozent",
        QStringLiteral("Auszahlungsquote, Sonderspiel zu 20 Cent (%)"), 4,
        Bruch((G + 20 * S) * 5, F));
    for (int n = 1; n <= Gewinntabelle::AnzahlRegeln; ++n)
        Neu(QStringLiteral("treffer_regel_%1_prozent").arg(n).toLatin1().constData(),
            QStringLiteral("Treffer Regel %1 (%)").arg(n), 4, Bruch(TGanz(E.Treffer[n]) * 100, F));

    if (!Simulation || Simulation->Spiele == 0)
        return K;
    const TMomente M = Momente(*Simulation);
    const double N = M.N;
    const double z = ZWert(0.05);
    const double zFamilie = ZWert(0.05 / std::max(1, Familie));
    const auto Setze = [&](std::size_t i, double Schaetzung, double Standardfehler) {
        K[i].Schaetzung = Schaetzung;
        K[i].Halbbreite = z * Standardfehler;
        K[i].HalbbreiteFamilie = zFamilie * Standardfehler;
    };
    Setze(0, M.MittelX / 100, std::sqrt(M.VarX / N) / 100);
    const double SdFehler =
        M.VarX > 0 ? std::sqrt(std::max(0.0, M.ViertesX - M.VarX * M.VarX) / (4 * M.VarX * N)) : 0;
    Setze(1, std::sqrt(M.VarX) / 100, SdFehler / 100);
    // The counters link the games, but only so that series come more evenly than chance would
    // bring them; the interval of independent games is then on the safe side.
    Setze(2, M.MittelY, std::sqrt(M.VarY / N));
    const double g1 = 5 / (1 - M.MittelY);
    const double g2 = 5 * M.MittelX / ((1 - M.MittelY) * (1 - M.MittelY));
    Setze(3, M.MittelX * g1,
          std::sqrt(std::max(0.0, g1 * g1 * M.VarX + g2 * g2 * M.VarY + 2 * g1 * g2 * M.Kov) / N));
    Setze(4, 5 * (M.MittelX + 20 * M.MittelY),
          5 * std::sqrt(std::max(0.0, M.VarX + 400 * M.VarY + 40 * M.Kov) / N));
    for (int n = 1; n <= Gewinntabelle::AnzahlRegeln; ++n) {
        const double p = double(Simulation->Treffer[n]) / N;
        Setze(4 + n, 100 * p, 100 * std::sqrt(p * (1 - p) / N));
    }
    return K;
}

} // namespace Maschinenzahlen
