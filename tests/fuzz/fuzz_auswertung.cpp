// The sums read back from the log lines: whatever the player's name holds, a deposit line and a
// payout line written by the machine read back as the amount written, and no text in the lines
// breaks the reading. Input: an amount selector byte, then the name.

#include "support/Auswertung.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Auswertung;

namespace {

const std::array<const char*, 9> Einwuerfe = {"0,1", "0,2", "0,5", "1", "2", "5", "10", "20", "50"};

void Vergleiche(const TBcdWert& Gelesen, const TBcdWert& Erwartet, const char* Was)
{
    if (BcdToGeneral(Gelesen) != BcdToGeneral(Erwartet)) {
        std::fprintf(stderr, "%s: read %s, written %s\n", Was, BcdToGeneral(Gelesen).c_str(),
                     BcdToGeneral(Erwartet).c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse)
{
    if (Groesse < 1)
        return 0;
    const QString Roh =
        QString::fromUtf8(reinterpret_cast<const char*>(Daten) + 1, qsizetype(Groesse - 1));
    // Any lines at all: the sums may leave the decimal range, nothing else.
    try {
        Einzahlungssumme(Roh.split(u'\n'));
        Auszahlungssumme(Roh.split(u'\n'));
    } catch (const EStBCDError&) {
    }

    const QString Name = NameFuerAuswertung(Roh);
    const char* Einwurf = Einwuerfe[Daten[0] % Einwuerfe.size()];
    const QStringList Einzahlung = {
        EinzahlungsZeile(Name, QString::fromLatin1(Einwurf), "14:03:05", "07.12.2026", "")};
    Vergleiche(Einzahlungssumme(Einzahlung), BcdFromText(Einwurf), "deposit");
    Vergleiche(Auszahlungssumme(Einzahlung), BcdFromText("0"), "payout in a deposit line");

    const TBcdWert Betrag = BcdFromText(std::to_string(Daten[0]) + ",25");
    const QStringList Auszahlung = {AuszahlungsZeile(
        Name, "14:03:05", "07.12.2026", QString::fromStdString(BcdToFixed(Betrag, 0, 2)))};
    Vergleiche(Auszahlungssumme(Auszahlung), Betrag, "payout");
    Vergleiche(Einzahlungssumme(Auszahlung), BcdFromText("0"), "deposit in a payout line");
    return 0;
}
