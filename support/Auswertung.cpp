#include "support/Auswertung.h"

#include "support/AtomareDatei.h"
#include "support/Windows1252.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <utility>

namespace Auswertung {

namespace {

constexpr int TrennLinienLaenge = 103;
constexpr int DateiNameMaxBytes = 255;
const QString Einzahlungszeichen = QString(QChar(0x00B7));
const QString Auszahlungszeichen = QStringLiteral("---");

// After the cut a name has at most 15 characters: 11 to 15 get a blank, 10 stay as they are,
// shorter ones get a TAB.
void FuegeFuellerAn(QString& Name)
{
    if (Name.length() > 10) {
        Name += u' ';
    } else if (Name.length() < 10) {
        Name += u'\t';
    }
}

// The part of a deposit line after the dot and the TAB that follows it. The last dot is taken:
// it is the one the machine wrote, even when the player's name holds a dot of its own.
QString OhneEinzahlungsKopf(const QString& Zeile)
{
    const auto Punkt = Zeile.lastIndexOf(Einzahlungszeichen);
    if (Punkt < 0) {
        return Zeile;
    }
    return Zeile.mid(Punkt + 2).trimmed();
}

QString BisZumErstenBlank(const QString& Text)
{
    const auto Blank = Text.indexOf(u' ');
    return (Blank < 0 ? Text : Text.left(Blank)).trimmed();
}

// Adds Betrag when it is a decimal number. Text that is not one comes from a name that imitates
// the machine's markers; it must not break off the end of the program.
void AddiereWennZahl(TBcdWert& Summe, const QString& Betrag)
{
    if (Betrag.isEmpty()) {
        return;
    }
    TBcdWert Wert;
    try {
        Wert = BcdFromText(Betrag.toStdString());
    } catch (const EStBCDError&) {
        return;
    }
    Summe = BcdPlus(Summe, Wert);
}

void FuegeTabNachJahrEin(QString& Zeile, QStringView Muster)
{
    const auto Punkt = Zeile.indexOf(Muster);
    if (Punkt < 0) {
        return;
    }
    const auto NachDemJahr = Punkt + 5;
    if (NachDemJahr > Zeile.length()) {
        return;
    }
    Zeile.insert(NachDemJahr, u'\t');
}

bool DarfNichtInDateiNamen(QChar Zeichen)
{
    static constexpr std::array<char16_t, 9> Verboten = {u'/', u'\\', u'?', u'*', u'"',
                                                         u'<', u'>',  u'|', u':'};
    const char16_t Code = Zeichen.unicode();
    if (Code < 0x20 || Code == 0x7F) {
        return true;
    }
    for (const char16_t V : Verboten) {
        if (Code == V) {
            return true;
        }
    }
    return false;
}

QString FuerDateiNamen(QString Text)
{
    for (QChar& Zeichen : Text) {
        if (Zeichen == u'.' || DarfNichtInDateiNamen(Zeichen)) {
            Zeichen = u'_';
        }
    }
    return Text;
}

void KuerzeUmEinZeichen(QString& Text)
{
    const bool Ersatzpaar = Text.length() >= 2 && Text.back().isLowSurrogate() &&
                            Text.at(Text.length() - 2).isHighSurrogate();
    Text.chop(Ersatzpaar ? 2 : 1);
}

QString Schreibfehlertext(long Fehler)
{
    switch (Fehler) {
    case Registrierung::ErfolgOk:
        return {};
    case Registrierung::FehlerZugriff:
        return QStringLiteral("Zugriff verweigert");
    case Registrierung::FehlerPfadNichtGefunden:
        return QStringLiteral("Ordner nicht gefunden");
    case Registrierung::FehlerPlatteVoll:
        return QStringLiteral("Kein Platz mehr auf dem Datenträger");
    default:
        return QStringLiteral("Die Datei konnte nicht geschrieben werden");
    }
}

} // namespace

QString NameFuerAuswertung(const QString& FeldText)
{
    QString Name = FeldText.trimmed();
    if (Name.isEmpty()) {
        Name = QStringLiteral("Kein Name");
    }
    if (Name.length() > 15) {
        Name.truncate(15);
    }
    FuegeFuellerAn(Name);
    return Name;
}

QString DatumText(const QDateTime& Zeitpunkt)
{
    return Zeitpunkt.toString(QStringLiteral("dd.MM.yyyy"));
}

QString UhrzeitText(const QDateTime& Zeitpunkt)
{
    return Zeitpunkt.toString(QStringLiteral("HH:mm:ss"));
}

QString TrennLinie()
{
    return QString(TrennLinienLaenge, u'_');
}

QStringList KopfZeilen()
{
    return {QStringLiteral("Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung"), TrennLinie()};
}

QString BetragsFeld(const QString& Wert)
{
    static const std::array<std::pair<const char*, const char*>, 9> Felder = {{
        {"0,1", "0,1 Euro    "},
        {"0,2", "0,2 Euro    "},
        {"0,5", "0,5 Euro    "},
        {"1", "  1 Euro    "},
        {"2", "  2 Euro    "},
        {"5", "  5 Euro    "},
        {"10", " 10 Euro    "},
        {"20", " 20 Euro    "},
        {"50", " 50 Euro    "},
    }};
    for (const auto& [Schluessel, Feld] : Felder) {
        if (Wert == QLatin1String(Schluessel)) {
            return QString::fromLatin1(Feld);
        }
    }
    return (Wert.rightJustified(3) + QStringLiteral(" Euro")).leftJustified(12);
}

QString EinzahlungsZeile(const QString& SpielerName, const QString& Wert,
                         const QString& UhrzeitText, const QString& DatumText,
                         const QString& AuszahlungText)
{
    return SpielerName + Einzahlungszeichen + u'\t' + BetragsFeld(Wert) + UhrzeitText + u'\t' +
           DatumText + u'\t' + AuszahlungText;
}

QString UngueltigZeile(const QString& SpielerName, const QString& UhrzeitText,
                       const QString& DatumText)
{
    return SpielerName + QStringLiteral("\t\t\t    ") + UhrzeitText + u'\t' + DatumText +
           QStringLiteral(" Vorlix wurde deaktiviert! Spiel ist ungültig!");
}

QString AuszahlungsZeile(const QString& SpielerName, const QString& UhrzeitText,
                         const QString& DatumText, const QString& AuszahlungText)
{
    return SpielerName + QStringLiteral("\t\t\t    ") + UhrzeitText + u'\t' + DatumText +
           Auszahlungszeichen + u'\t' + AuszahlungText + QStringLiteral(" Euro");
}

void HaengeEreignisAn(QStringList& Zeilen, const QString& Zeile)
{
    Zeilen << Zeile << TrennLinie();
}

TBcdWert Einzahlungssumme(const QStringList& Zeilen)
{
    TBcdWert Summe = BcdFromText("0,0");
    for (const QString& Zeile : Zeilen) {
        if (!Zeile.contains(Einzahlungszeichen)) {
            continue;
        }
        const QString Rest = OhneEinzahlungsKopf(Zeile);
        if (Rest.contains(u' ') && !Rest.contains(Auszahlungszeichen)) {
            AddiereWennZahl(Summe, BisZumErstenBlank(Rest));
        }
    }
    return Summe;
}

TBcdWert Auszahlungssumme(const QStringList& Zeilen)
{
    TBcdWert Summe = BcdFromText("0,0");
    for (const QString& Zeile : Zeilen) {
        const QString Rest = OhneEinzahlungsKopf(Zeile);
        const auto Marke = Rest.lastIndexOf(Auszahlungszeichen);
        if (Marke >= 0) {
            AddiereWennZahl(Summe, BisZumErstenBlank(Rest.mid(Marke + 3).trimmed()));
        }
    }
    return Summe;
}

QString ZusammenfassungsZeile(const QString& SpielerName, const QString& DatumText,
                              const QString& UhrzeitText, const QString& Betrag, bool Gewonnen)
{
    return SpielerName + QStringLiteral(" hat am ") + DatumText + QStringLiteral(" um ") +
           UhrzeitText + QStringLiteral(" Uhr") + u'\t' + Betrag +
           (Gewonnen ? QStringLiteral(" Euro gewonnen!") : QStringLiteral(" Euro verspielt!"));
}

QStringList AbschlussBlock(const QString& Zusammenfassung)
{
    return {QStringLiteral(" "), QStringLiteral(" "), TrennLinie(), Zusammenfassung, TrennLinie()};
}

void KorrigiereDatumsspalten(QStringList& Zeilen)
{
    for (QString& Zeile : Zeilen) {
        FuegeTabNachJahrEin(Zeile, u".201");
        FuegeTabNachJahrEin(Zeile, u".202");
    }
}

QString SchliesseAuswertung(QStringList& Zeilen, TAbschlussArt Art, const QString& SpielerName,
                            const QString& DatumText, const QString& UhrzeitText)
{
    const TBcdWert Einzahlungen = Einzahlungssumme(Zeilen);
    QString Betrag;
    bool Gewonnen = false;
    if (Art == TAbschlussArt::Auszahlung) {
        const TBcdWert Bilanz = BcdMinus(Auszahlungssumme(Zeilen), Einzahlungen);
        Betrag = QString::fromStdString(BcdToFixed(Bilanz, 0, 2));
        Gewonnen = !Betrag.startsWith(u'-');
        if (!Gewonnen) {
            Betrag.remove(0, 1);
        }
    } else {
        Betrag = QString::fromStdString(BcdToFixed(Einzahlungen, 0, 2));
    }
    const QString Zusammenfassung =
        ZusammenfassungsZeile(SpielerName, DatumText, UhrzeitText, Betrag, Gewonnen);
    Zeilen << AbschlussBlock(Zusammenfassung);
    KorrigiereDatumsspalten(Zeilen);
    return Zusammenfassung;
}

QString LogDateiName(const QString& SpielerName, const QString& DatumText,
                     const QString& UhrzeitText)
{
    QString NamensTeil = FuerDateiNamen(SpielerName.trimmed());
    const QString Rest =
        FuerDateiNamen(u' ' + DatumText + u' ' + UhrzeitText) + QStringLiteral(".txt");
    while (!NamensTeil.isEmpty() && (NamensTeil + Rest).toUtf8().size() > DateiNameMaxBytes) {
        KuerzeUmEinZeichen(NamensTeil);
    }
    return NamensTeil + Rest;
}

QByteArray LogDateiInhalt(const QStringList& Zeilen)
{
    QString Text;
    for (const QString& Zeile : Zeilen) {
        Text += Zeile + QStringLiteral("\r\n");
    }
    return Windows1252::Kodiere(Text);
}

TSpeicherErgebnis SpeichereAuswertung(const QStringList& Zeilen, const QString& Ordner,
                                      const QString& SpielerName, const QString& DatumText,
                                      const QString& UhrzeitText)
{
    TSpeicherErgebnis Ergebnis;
    Ergebnis.Pfad =
        QDir(Ordner).absoluteFilePath(LogDateiName(SpielerName, DatumText, UhrzeitText));
    const long Fehler = Registrierung::SchreibeDateiAtomar(Ergebnis.Pfad, LogDateiInhalt(Zeilen));
    Ergebnis.Gespeichert = Fehler == Registrierung::ErfolgOk;
    Ergebnis.Fehler = Schreibfehlertext(Fehler);
    return Ergebnis;
}

} // namespace Auswertung
