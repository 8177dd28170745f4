#pragma once

#include "support/StBcd.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The evaluation of a visit: the lines shown in the log box, their sums at the end, and the
// text file written from them. Works on plain lists of lines; nothing here touches a widget.
namespace Auswertung {

// The name the log uses for the player: trimmed, "Kein Name" when empty, then filled up so that
// the columns after it line up (cut to 15 characters and one blank; 11 to 14: one blank; exactly
// 10: nothing; 9 or fewer: one TAB). A character outside the Basic Multilingual Plane counts once
// and is never cut in two.
QString NameFuerAuswertung(const QString& FeldText);

// Date and time of the log lines, always "dd.mm.yyyy" and "hh:mm:ss" (24 hours).
QString DatumText(const QDateTime& Zeitpunkt);
QString UhrzeitText(const QDateTime& Zeitpunkt);

// The line of 103 '_' that follows every event line.
QString TrennLinie();

// The header line followed by the separator; the first two lines of every log.
QStringList KopfZeilen();

// The 12 characters of the amount column for a coin or note value as the machine writes it
// ("0,1", "0,2", "0,5", "1", "2", "5", "10", "20", "50").
QString BetragsFeld(const QString& Wert);

// Single event lines, without their separator.
QString EinzahlungsZeile(const QString& SpielerName, const QString& Wert,
                         const QString& UhrzeitText, const QString& DatumText,
                         const QString& AuszahlungText);
// Why a game is invalid: the window lost its activation, or the program was cut short.
enum class TUngueltigGrund
{
    Deaktiviert,
    Unterbrochen
};
QString UngueltigZeile(const QString& SpielerName, const QString& UhrzeitText,
                       const QString& DatumText,
                       TUngueltigGrund Grund = TUngueltigGrund::Deaktiviert);
QString AuszahlungsZeile(const QString& SpielerName, const QString& UhrzeitText,
                         const QString& DatumText, const QString& AuszahlungText);

// Appends an event line and its separator.
void HaengeEreignisAn(QStringList& Zeilen, const QString& Zeile);

// Sums of all deposit lines and of all payout lines, recognised by the text the machine writes
// after the player's name (the middle dot with one of the nine amount fields, time, date and
// payout column; "---", TAB, amount and " Euro"), so no name can add to or take from them.
TBcdWert Einzahlungssumme(const QStringList& Zeilen);
TBcdWert Auszahlungssumme(const QStringList& Zeilen);

// "<name> hat am <date> um <time> Uhr<TAB><amount> Euro verspielt!" (or "gewonnen!").
QString ZusammenfassungsZeile(const QString& SpielerName, const QString& DatumText,
                              const QString& UhrzeitText, const QString& Betrag, bool Gewonnen);

// Two lines of one blank, separator, the summary line, separator.
QStringList AbschlussBlock(const QString& Zusammenfassung);

// Inserts a TAB after the year of the first ".201x" and then of the first ".202x" of each line,
// so the columns behind a date line up. Lines where the year is cut short stay as they are.
void KorrigiereDatumsspalten(QStringList& Zeilen);

enum class TAbschlussArt
{
    Auszahlung, // balance of payouts against deposits: "verspielt" or "gewonnen"
    Beenden     // quit without payout: the deposits are lost, always "verspielt"
};

// Closes the log before the program ends: appends the closing block with the balance of the
// visit and fixes the date columns. Returns the summary line as appended (before the date fix).
// Throws EStBCDError only if the sums leave the decimal range.
QString SchliesseAuswertung(QStringList& Zeilen, TAbschlussArt Art, const QString& SpielerName,
                            const QString& DatumText, const QString& UhrzeitText);

// "<name trimmed> <date> <time>.txt" with '.' and ':' turned into '_'; characters that a file
// name cannot hold (path separators, NUL and the other characters Windows forbids, control
// characters) become '_' as well, and an overlong name part is shortened at whole characters so
// the name and the atomic writer's temporary suffix fit the file system's limit of 255 bytes.
QString LogDateiName(const QString& SpielerName, const QString& DatumText,
                     const QString& UhrzeitText);

// The file contents: every line followed by CR LF, in Windows-1252; characters the code page
// cannot hold become '?'.
QByteArray LogDateiInhalt(const QStringList& Zeilen);

struct TSpeicherErgebnis
{
    bool Gespeichert = false;
    QString Pfad;   // the full path of the file, also when saving failed
    QString Fehler; // why saving failed; empty on success
};

// Writes the log into Ordner under LogDateiName, replacing a file of that name. The file is
// written to a temporary file in the same folder and renamed when complete, so a failure never
// leaves a half-written log behind.
TSpeicherErgebnis SpeichereAuswertung(const QStringList& Zeilen, const QString& Ordner,
                                      const QString& SpielerName, const QString& DatumText,
                                      const QString& UhrzeitText);

} // namespace Auswertung
