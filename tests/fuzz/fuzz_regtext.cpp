// A registry file that parses writes back to a text that parses to the same keys and values, and
// that text writes back to itself.

#include "support/RegText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Registrierung;

namespace {

const QString Wurzel = QStringLiteral("HKEY_CURRENT_USER");

// Keys are written sorted by name; their order in memory is that of the text.
std::vector<const TRegSchluessel*> Sortiert(const TRegSchluessel& Schluessel)
{
    std::vector<const TRegSchluessel*> Liste;
    for (const TRegSchluessel& Unter : Schluessel.Unterschluessel)
        Liste.push_back(&Unter);
    std::sort(Liste.begin(), Liste.end(), [](const auto* A, const auto* B) {
        return A->Name.compare(B->Name, Qt::CaseInsensitive) < 0;
    });
    return Liste;
}

bool Gleich(const TRegSchluessel& A, const TRegSchluessel& B)
{
    if (A.Name != B.Name || A.Werte.size() != B.Werte.size() ||
        A.Unterschluessel.size() != B.Unterschluessel.size())
        return false;
    for (qsizetype i = 0; i < A.Werte.size(); ++i) {
        const TRegWert& W = A.Werte[i];
        const TRegWert& V = B.Werte[i];
        if (W.Name != V.Name || W.Typ != V.Typ || W.Daten != V.Daten)
            return false;
    }
    const auto UnterA = Sortiert(A);
    const auto UnterB = Sortiert(B);
    for (std::size_t i = 0; i < UnterA.size(); ++i)
        if (!Gleich(*UnterA[i], *UnterB[i]))
            return false;
    return true;
}

[[noreturn]] void Befund(const char* Was)
{
    std::fprintf(stderr, "%s\n", Was);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse)
{
    const QByteArray Eingabe(reinterpret_cast<const char*>(Daten), qsizetype(Groesse));
    const auto Gelesen = LiesRegText(Eingabe, Wurzel);
    if (!Gelesen)
        return 0;
    const QByteArray Text = SchreibeRegText(*Gelesen, Wurzel);
    const auto Wieder = LiesRegText(Text, Wurzel);
    if (!Wieder)
        Befund("written text does not parse");
    if (!Gleich(*Gelesen, *Wieder))
        Befund("keys or values changed on the way through the text");
    if (SchreibeRegText(*Wieder, Wurzel) != Text)
        Befund("the written text is not stable");
    return 0;
}
