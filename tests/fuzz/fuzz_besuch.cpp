// The journal of a visit: whatever the reader accepts writes back and reads again unchanged, and
// everything a restored visit then does with it works: the charge of the next game, the payout
// with its notes and coins, the closing of the log and the name of its file.

#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "support/Besuchsjournal.h"
#include "support/Dateien.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Befund(const char* Was, const QString& Wert)
{
    std::fprintf(stderr, "%s: \"%s\"\n", Was, qPrintable(Wert.left(200)));
    std::abort();
}

// The falling items add up to the payout, less cents that no coin pays; or none fall at all
// for a payout beyond the count-out.
void PruefeListe(const Geld::TAuszahlung& Auszahlung)
{
    TBcdWert Rest = Auszahlung.Guthaben;
    for (const QString& Name : Auszahlung.Liste)
        Rest -= Geld::AuszahlPostenFuer(Name)->Betrag;
    const std::string Cent = BcdToFixed(Rest, 0, 2);
    const bool Jenseits = Auszahlung.Liste.isEmpty() && Auszahlung.AuszahlungText.size() >= 10;
    if (!(Cent.size() == 4 && Cent.starts_with("0,0")) && !Jenseits)
        Befund("the items do not add up to the payout", Auszahlung.AuszahlungText);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse)
{
    const QByteArray Eingabe(reinterpret_cast<const char*>(Daten), qsizetype(Groesse));
    const auto Besuch = Besuchsjournal::AusText(Eingabe);
    if (!Besuch)
        return 0;
    const QByteArray Geschrieben = Besuchsjournal::AlsText(*Besuch);
    const auto Wieder = Besuchsjournal::AusText(Geschrieben);
    if (!Wieder || Besuchsjournal::AlsText(*Wieder) != Geschrieben)
        Befund("the journal written back reads differently", QString::fromUtf8(Geschrieben));

    Geld::BezahleSpiel(Besuch->Guthaben, Besuch->SonderSpiele);
    const Geld::TAuszahlung Auszahlung =
        Geld::BerechneAuszahlung(Besuch->Guthaben, Besuch->SonderSpiele, Besuch->Kasse);
    PruefeListe(Auszahlung);
    QStringList Zeilen = Besuch->Zeilen;
    Auswertung::HaengeEreignisAn(
        Zeilen, Auswertung::AuszahlungsZeile(Besuch->SpielerName, Besuch->UhrzeitText,
                                             Besuch->DatumText, Auszahlung.AuszahlungText));
    Auswertung::SchliesseAuswertung(Zeilen, Auswertung::TAbschlussArt::Auszahlung,
                                    Besuch->SpielerName, Besuch->DatumText, Besuch->UhrzeitText);
    const QString Name =
        Auswertung::LogDateiName(Besuch->SpielerName, Besuch->DatumText, Besuch->UhrzeitText);
    if (Name.toUtf8().size() > 255 - Dateien::TempEndungMaxBytes)
        Befund("the log's name is too long", Name);
    return 0;
}
