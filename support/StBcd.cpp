#include "support/StBcd.h"

#include <array>
#include <cstddef>
#include <limits>

namespace {

constexpr int Stellen = 18;
constexpr int Uebertragszelle = 19;
constexpr int Bias = 63;
constexpr int GroessterExponent = 127;
constexpr char Dezimaltrenner = ',';
constexpr std::size_t FormatPuffer = 256;
// Beyond this an exponent text cannot change the outcome any more; the cap keeps the sum finite.
constexpr long long ExponentKappung = 1'000'000'000LL;

// Sign, exponent and the digit cells 1 (least significant) to 18, cell 19 the carry cell.
struct TEntpackt
{
    bool Negativ = false;
    long long Exponent = 0;
    std::array<int, Uebertragszelle + 1> Zelle{};
};

[[noreturn]] void WirfFormatfehler()
{
    throw EStBCDError(31210, "Bad BCD format");
}

[[noreturn]] void WirfZuGross()
{
    throw EStBCDError(31211, "BCD larger than 10**64");
}

[[noreturn]] void WirfPufferueberlauf()
{
    throw EStBCDError(31214, "Buffer overflow in FormatBcd");
}

bool IstZiffer(char Zeichen)
{
    return Zeichen >= '0' && Zeichen <= '9';
}

bool AlleZellenNull(const TEntpackt& E)
{
    for (int I = 1; I <= Uebertragszelle; ++I)
        if (E.Zelle[I] != 0)
            return false;
    return true;
}

bool IstNull(const TBcdWert& A)
{
    if ((A.Bytes[0] & 0x7F) == 0)
        return true;
    for (int Byte = 1; Byte <= 9; ++Byte)
        if (A.Bytes[Byte] != 0)
            return false;
    return true;
}

TEntpackt Entpacke(const TBcdWert& A)
{
    TEntpackt E;
    if (IstNull(A))
        return E;
    E.Negativ = (A.Bytes[0] & 0x80) != 0;
    E.Exponent = A.Bytes[0] & 0x7F;
    for (int Byte = 1; Byte <= 9; ++Byte) {
        E.Zelle[2 * Byte - 1] = A.Bytes[Byte] & 0x0F;
        E.Zelle[2 * Byte] = A.Bytes[Byte] >> 4;
    }
    return E;
}

// Expects cell 19 to be empty. A zero mantissa or a vanishing exponent gives the all-zero value.
TBcdWert Packe(const TEntpackt& E)
{
    if (AlleZellenNull(E))
        return TBcdWert{};
    if (E.Exponent > GroessterExponent)
        WirfZuGross();
    if (E.Exponent <= 0)
        return TBcdWert{};
    TBcdWert A{};
    A.Bytes[0] = static_cast<std::uint8_t>(E.Exponent | (E.Negativ ? 0x80 : 0));
    for (int Byte = 1; Byte <= 9; ++Byte)
        A.Bytes[Byte] = static_cast<std::uint8_t>(E.Zelle[2 * Byte - 1] | (E.Zelle[2 * Byte] << 4));
    return A;
}

void AddiereEinsAb(TEntpackt& E, int Zelle)
{
    for (int I = Zelle; I <= Uebertragszelle; ++I) {
        if (++E.Zelle[I] < 10 || I == Uebertragszelle)
            return;
        E.Zelle[I] = 0;
    }
}

// Half up on the magnitude: cell K decides, cells 1 to K are cleared. 1 <= K <= 18.
void RundeAb(TEntpackt& E, int K)
{
    const int Entscheidend = E.Zelle[K];
    for (int I = 1; I <= K; ++I)
        E.Zelle[I] = 0;
    if (Entscheidend >= 5)
        AddiereEinsAb(E, K + 1);
}

// Dropped digits are not rounded.
void SchiebeRechts(TEntpackt& E, long long K)
{
    if (K <= 0)
        return;
    for (int I = 1; I <= Uebertragszelle; ++I)
        E.Zelle[I] = (K < Stellen && I + K <= Uebertragszelle) ? E.Zelle[I + K] : 0;
}

void FangeUebertragAuf(TEntpackt& E)
{
    if (E.Zelle[Uebertragszelle] == 0)
        return;
    SchiebeRechts(E, 1);
    ++E.Exponent;
}

// Moves the leading digit into cell 18; an exponent that would reach 0 gives zero.
void Normalisiere(TEntpackt& E)
{
    int FuehrendeNullen = 0;
    while (FuehrendeNullen < Stellen && E.Zelle[Stellen - FuehrendeNullen] == 0)
        ++FuehrendeNullen;
    if (FuehrendeNullen == Stellen || FuehrendeNullen >= E.Exponent) {
        E = TEntpackt{};
        return;
    }
    if (FuehrendeNullen == 0)
        return;
    for (int I = Stellen; I >= 1; --I)
        E.Zelle[I] = I - FuehrendeNullen >= 1 ? E.Zelle[I - FuehrendeNullen] : 0;
    E.Exponent -= FuehrendeNullen;
}

// Reads text along the grammar of decimal amounts; past the end it sees NUL.
class TTextLeser
{
public:
    explicit TTextLeser(std::string_view Text) : FText(Text) {}

    char Aktuell() const { return FPos < FText.size() ? FText[FPos] : '\0'; }
    void Weiter() { ++FPos; }
    bool AmEnde() const { return FPos >= FText.size(); }

private:
    std::string_view FText;
    std::size_t FPos = 0;
};

// Takes in significant digits: 18 go into the cells, the 19th rounds them, later ones are dropped.
class TZiffernSammler
{
public:
    explicit TZiffernSammler(TEntpackt& E) : FE(E) {}

    void Nimm(int Ziffer)
    {
        if (FSignifikante > Stellen)
            return;
        ++FSignifikante;
        if (FSignifikante <= Stellen) {
            FE.Zelle[Uebertragszelle - FSignifikante] = Ziffer;
        } else if (Ziffer >= 5) {
            AddiereEinsAb(FE, 1);
            if (FE.Zelle[Uebertragszelle] != 0) {
                SchiebeRechts(FE, 1);
                ++Ganzzahlstellen;
            }
        }
    }

    long long Ganzzahlstellen = 0;

private:
    TEntpackt& FE;
    int FSignifikante = 0;
};

long long LiesExponentteil(TTextLeser& Leser)
{
    if (Leser.Aktuell() != 'E' && Leser.Aktuell() != 'e')
        return 0;
    Leser.Weiter();
    bool Negativ = false;
    if (Leser.Aktuell() == '+' || Leser.Aktuell() == '-') {
        Negativ = Leser.Aktuell() == '-';
        Leser.Weiter();
    }
    if (!IstZiffer(Leser.Aktuell()))
        WirfFormatfehler();
    long long Wert = 0;
    for (; IstZiffer(Leser.Aktuell()); Leser.Weiter())
        if (Wert < ExponentKappung)
            Wert = Wert * 10 + (Leser.Aktuell() - '0');
    return Negativ ? -Wert : Wert;
}

// Keeps Places decimals, half up; a carry into a new leading digit raises the exponent.
TEntpackt RundeAufNachkommastellen(TEntpackt E, int Places)
{
    if (AlleZellenNull(E))
        return TEntpackt{};
    const long long Behalten = E.Exponent - Bias + Places;
    if (Behalten >= Stellen)
        return E;
    if (Behalten < 0)
        return TEntpackt{};
    RundeAb(E, static_cast<int>(Stellen - Behalten));
    FangeUebertragAuf(E);
    if (AlleZellenNull(E))
        return TEntpackt{};
    return E;
}

// Digit at position Stelle counted from d1 = 1; outside the 18 digits it is '0'.
char ZifferAn(const TEntpackt& E, long long Stelle)
{
    if (Stelle < 1 || Stelle > Stellen)
        return '0';
    return static_cast<char>('0' + E.Zelle[Uebertragszelle - Stelle]);
}

// '-', the integer digits padded with '0' to MindestGanzzahl, then ',' and Places digits.
std::string FesterText(const TEntpackt& E, long long MindestGanzzahl, int Places)
{
    const bool Null = AlleZellenNull(E);
    const long long Ganzzahl = Null ? 0 : E.Exponent - Bias;
    std::string Text;
    if (E.Negativ && !Null)
        Text += '-';
    for (long long I = Ganzzahl < 0 ? 0 : Ganzzahl; I < MindestGanzzahl; ++I)
        Text += '0';
    for (long long Stelle = 1; Stelle <= Ganzzahl; ++Stelle)
        Text += ZifferAn(E, Stelle);
    if (Places > 0) {
        Text += Dezimaltrenner;
        for (long long J = 1; J <= Places; ++J)
            Text += Null ? '0' : ZifferAn(E, Ganzzahl + J);
    }
    return Text;
}

std::string Exponentenform(const TEntpackt& E)
{
    int Letzte = Stellen;
    while (Letzte > 1 && ZifferAn(E, Letzte) == '0')
        --Letzte;
    std::string Text = E.Negativ ? "-" : "";
    Text += ZifferAn(E, 1);
    if (Letzte > 1) {
        Text += Dezimaltrenner;
        for (int Stelle = 2; Stelle <= Letzte; ++Stelle)
            Text += ZifferAn(E, Stelle);
    }
    return Text + 'E' + std::to_string(E.Exponent - Bias - 1);
}

struct TMaske
{
    long long Pflichtstellen = 0; // R
    int Nachkommastellen = 0;     // F
};

TMaske LiesMaske(std::string_view Mask)
{
    TMaske Maske;
    bool NachTrenner = false;
    bool NullGesehen = false;
    for (char Zeichen : Mask) {
        if (Zeichen == Dezimaltrenner && !NachTrenner) {
            NachTrenner = true;
        } else if (Zeichen == '#' || Zeichen == '0') {
            if (NachTrenner) {
                ++Maske.Nachkommastellen;
            } else {
                NullGesehen = NullGesehen || Zeichen == '0';
                if (NullGesehen)
                    ++Maske.Pflichtstellen;
            }
        }
    }
    return Maske;
}

} // namespace

TBcdWert BcdFromText(std::string_view Text)
{
    TTextLeser Leser(Text);
    TEntpackt E;
    TZiffernSammler Sammler(E);
    while (Leser.Aktuell() == ' ')
        Leser.Weiter();
    if (Leser.Aktuell() == '+' || Leser.Aktuell() == '-') {
        E.Negativ = Leser.Aktuell() == '-';
        Leser.Weiter();
    }
    if (Leser.Aktuell() != Dezimaltrenner && !IstZiffer(Leser.Aktuell()))
        WirfFormatfehler();
    while (Leser.Aktuell() == '0')
        Leser.Weiter();
    for (; IstZiffer(Leser.Aktuell()); Leser.Weiter()) {
        ++Sammler.Ganzzahlstellen;
        Sammler.Nimm(Leser.Aktuell() - '0');
    }
    if (Leser.Aktuell() == Dezimaltrenner) {
        Leser.Weiter();
        if (Sammler.Ganzzahlstellen == 0) {
            for (; Leser.Aktuell() == '0'; Leser.Weiter())
                --Sammler.Ganzzahlstellen;
        }
        for (; IstZiffer(Leser.Aktuell()); Leser.Weiter())
            Sammler.Nimm(Leser.Aktuell() - '0');
    }
    const long long Exponentteil = LiesExponentteil(Leser);
    if (!Leser.AmEnde())
        WirfFormatfehler();
    E.Exponent = Exponentteil + Sammler.Ganzzahlstellen + Bias;
    return Packe(E);
}

TBcdWert BcdPlus(const TBcdWert& A, const TBcdWert& B)
{
    if (IstNull(A))
        return IstNull(B) ? TBcdWert{} : B;
    if (IstNull(B))
        return A;
    TEntpackt Ea = Entpacke(A);
    TEntpackt Eb = Entpacke(B);
    if (Ea.Exponent < Eb.Exponent) {
        SchiebeRechts(Ea, Eb.Exponent - Ea.Exponent);
        Ea.Exponent = Eb.Exponent;
    } else {
        SchiebeRechts(Eb, Ea.Exponent - Eb.Exponent);
        Eb.Exponent = Ea.Exponent;
    }
    TEntpackt Summe = Eb;
    if (Ea.Negativ == Eb.Negativ) {
        for (int I = 1; I <= Stellen; ++I) {
            Summe.Zelle[I] += Ea.Zelle[I];
            if (Summe.Zelle[I] >= 10) {
                Summe.Zelle[I] -= 10;
                ++Summe.Zelle[I + 1];
            }
        }
        if (Summe.Zelle[Uebertragszelle] != 0) {
            RundeAb(Summe, 1);
            FangeUebertragAuf(Summe);
        }
        return Packe(Summe);
    }
    int Borgen = 0;
    for (int I = 1; I <= Stellen; ++I) {
        Summe.Zelle[I] -= Ea.Zelle[I] + Borgen;
        Borgen = Summe.Zelle[I] < 0 ? 1 : 0;
        Summe.Zelle[I] += 10 * Borgen;
    }
    if (Borgen != 0) {
        Summe.Negativ = Ea.Negativ;
        int Komplementborgen = 0;
        for (int I = 1; I <= Stellen; ++I) {
            Summe.Zelle[I] = -Summe.Zelle[I] - Komplementborgen;
            Komplementborgen = Summe.Zelle[I] < 0 ? 1 : 0;
            Summe.Zelle[I] += 10 * Komplementborgen;
        }
    }
    Normalisiere(Summe);
    return Packe(Summe);
}

TBcdWert BcdNegate(const TBcdWert& A)
{
    if (IstNull(A))
        return TBcdWert{};
    TBcdWert Negiert = A;
    Negiert.Bytes[0] ^= 0x80;
    return Negiert;
}

TBcdWert BcdMinus(const TBcdWert& A, const TBcdWert& B)
{
    return BcdPlus(A, BcdNegate(B));
}

TBcdWert BcdTimes(const TBcdWert& A, const TBcdWert& B)
{
    if (IstNull(A) || IstNull(B))
        return TBcdWert{};
    const TEntpackt Ea = Entpacke(A);
    const TEntpackt Eb = Entpacke(B);
    std::array<int, 2 * Stellen + 2> Produkt{};
    for (int I = 1; I <= Stellen; ++I)
        for (int J = 1; J <= Stellen; ++J)
            Produkt[I + J - 1] += Ea.Zelle[I] * Eb.Zelle[J];
    for (int K = 1; K < 2 * Stellen; ++K) {
        Produkt[K + 1] += Produkt[K] / 10;
        Produkt[K] %= 10;
    }
    const bool VolleLaenge = Produkt[2 * Stellen] != 0;
    const int Unterste = VolleLaenge ? Stellen + 1 : Stellen;
    TEntpackt Ergebnis;
    Ergebnis.Negativ = Ea.Negativ != Eb.Negativ;
    Ergebnis.Exponent = Ea.Exponent + Eb.Exponent - (VolleLaenge ? Bias : Bias + 1);
    for (int I = 1; I <= Stellen; ++I)
        Ergebnis.Zelle[I] = Produkt[Unterste + I - 1];
    if (Produkt[Unterste - 1] >= 5) {
        AddiereEinsAb(Ergebnis, 1);
        FangeUebertragAuf(Ergebnis);
    }
    return Packe(Ergebnis);
}

std::string BcdToFixed(const TBcdWert& A, int Width, int Places)
{
    if (Places < 0)
        Places = 0;
    const std::string Text = FesterText(RundeAufNachkommastellen(Entpacke(A), Places), 1, Places);
    if (Width <= 0)
        return Text;
    const auto Breite = static_cast<std::size_t>(Width);
    if (Breite < Text.size())
        return std::string(Breite, '*');
    return std::string(Breite - Text.size(), ' ') + Text;
}

std::string BcdToGeneral(const TBcdWert& A)
{
    if (IstNull(A))
        return "0";
    const TEntpackt E = Entpacke(A);
    if (E.Exponent < Bias - 4 || E.Exponent > Bias + Stellen)
        return Exponentenform(E);
    std::string Text = FesterText(RundeAufNachkommastellen(E, Stellen), 1, Stellen);
    while (Text.back() == '0')
        Text.pop_back();
    if (Text.back() == Dezimaltrenner)
        Text.pop_back();
    return Text;
}

std::string FormatBcd(std::string_view Mask, const TBcdWert& A)
{
    const TMaske Maske = LiesMaske(Mask);
    const TEntpackt Gerundet = RundeAufNachkommastellen(Entpacke(A), Maske.Nachkommastellen);
    std::string Text;
    if (!AlleZellenNull(Gerundet) && Gerundet.Exponent - Bias > Stellen)
        Text = BcdToGeneral(A);
    else
        Text = FesterText(Gerundet, Maske.Pflichtstellen, Maske.Nachkommastellen);
    if (Text.size() > FormatPuffer)
        WirfPufferueberlauf();
    return Text;
}

namespace {

// -1, 0 or 1; an unpacked value whose digits are all below its exponent's reach is zero.
int Vorzeichen(const TEntpackt& E)
{
    if (AlleZellenNull(E))
        return 0;
    return E.Negativ ? -1 : 1;
}

std::strong_ordering VergleicheBetraege(const TEntpackt& A, const TEntpackt& B)
{
    if (A.Exponent != B.Exponent)
        return A.Exponent <=> B.Exponent;
    for (int I = Stellen; I >= 1; --I)
        if (A.Zelle[I] != B.Zelle[I])
            return A.Zelle[I] <=> B.Zelle[I];
    return std::strong_ordering::equal;
}

// The digits of a fixed text ("-12,34") as a whole number, held at the ends of the range.
std::int64_t GanzzahlAusFestemText(const std::string& Text)
{
    const bool Negativ = Text.starts_with('-');
    constexpr std::int64_t Groesste = std::numeric_limits<std::int64_t>::max();
    std::int64_t Betrag = 0;
    for (char Zeichen : Text) {
        if (!IstZiffer(Zeichen))
            continue;
        const int Ziffer = Zeichen - '0';
        if (Betrag > (Groesste - Ziffer) / 10)
            return Negativ ? std::numeric_limits<std::int64_t>::min() : Groesste;
        Betrag = Betrag * 10 + Ziffer;
    }
    return Negativ ? -Betrag : Betrag;
}

} // namespace

bool TBcdWert::Null() const
{
    return *this == TBcdWert{};
}

bool TBcdWert::Negativ() const
{
    return *this < TBcdWert{};
}

QString TBcdWert::EuroText() const
{
    return QString::fromStdString(BcdToFixed(*this, 0, 2));
}

TBcdWert TBcdWert::AusEuroText(QStringView Text)
{
    const QByteArray Zeichen = Text.toUtf8();
    return BcdFromText(std::string_view(Zeichen.constData(), std::size_t(Zeichen.size())));
}

std::int64_t TBcdWert::Cent() const
{
    return GanzzahlAusFestemText(BcdToFixed(*this, 0, 2));
}

TBcdWert TBcdWert::AusCent(std::int64_t Cent)
{
    // The magnitude as unsigned, so that the smallest value has one too.
    const std::uint64_t Betrag =
        Cent < 0 ? 0 - static_cast<std::uint64_t>(Cent) : static_cast<std::uint64_t>(Cent);
    std::string Text = std::to_string(Betrag);
    if (Text.size() < 3)
        Text.insert(0, 3 - Text.size(), '0');
    Text.insert(Text.size() - 2, 1, Dezimaltrenner);
    if (Cent < 0)
        Text.insert(0, 1, '-');
    return BcdFromText(Text);
}

TBcdWert operator+(const TBcdWert& A, const TBcdWert& B)
{
    return BcdPlus(A, B);
}

TBcdWert operator-(const TBcdWert& A, const TBcdWert& B)
{
    return BcdMinus(A, B);
}

TBcdWert operator*(const TBcdWert& A, const TBcdWert& B)
{
    return BcdTimes(A, B);
}

TBcdWert operator-(const TBcdWert& A)
{
    return BcdNegate(A);
}

std::strong_ordering operator<=>(const TBcdWert& A, const TBcdWert& B)
{
    TEntpackt Ea = Entpacke(A);
    TEntpackt Eb = Entpacke(B);
    Normalisiere(Ea);
    Normalisiere(Eb);
    const int Va = Vorzeichen(Ea);
    const int Vb = Vorzeichen(Eb);
    if (Va != Vb || Va == 0)
        return Va <=> Vb;
    return Va > 0 ? VergleicheBetraege(Ea, Eb) : VergleicheBetraege(Eb, Ea);
}
