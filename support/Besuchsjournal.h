#pragma once

#include "support/StBcd.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The journal of the running visit: what a crash or a power cut must not take from the player.
// It is replaced atomically at every change of the money or the log and removed at every regular
// end, so a start that finds one knows the last visit was cut short and can go on with it.
namespace Besuchsjournal {

struct TBesuch
{
    // Counts every write of the journal, and "KA-Generation" beside "KA" the count when the cash
    // box was stored: a journal of a lower count is older than "KA" and must not turn it back.
    // 0 in a journal of an older program.
    qint64 Generation = 0;
    TBcdWert Guthaben{};
    TBcdWert SonderSpiele{};
    TBcdWert Kasse{};        // the cash box as the visit left it, newer than the stored "KA"
    bool SpielOffen = false; // a game was paid for and has not ended
    // The player asked for the payout, which is to be finished rather than the games go on.
    // Missing in the journal of an older program: false.
    bool AuszahlungAngefordert = false;
    QString SpielerName; // as the log lines use it
    QStringList Zeilen;  // the log of the visit
    // Closed: the log has its closing block, and what is left to do is to save it and the cash
    // box. The log file is named after the player, date and time of the closing.
    bool Abgeschlossen = false;
    bool AuswertungSpeichern = true;
    QString DatumText;
    QString UhrzeitText;
};

// ${XDG_STATE_HOME:-~/.local/state}/Vorlix, where state that must outlive a crash belongs.
QString Ordner();
QString Pfad();      // the journal in Ordner()
QString Sperrpfad(); // the lock of the one machine that may keep the journal, in Ordner()

// The longest name the settings file hands the log: the ini keeps 254 characters of a value.
inline constexpr qsizetype MaxNamenslaenge = 254;

QByteArray AlsText(const TBesuch& Besuch);
// nullopt for anything but a whole journal that this program could have written: one value per
// key; amounts with two places within the 16 integer digits of the cash box, none negative but
// the cash box, whose payout can still be computed; whole special games up to
// Geld::MaxSonderspiele; a name of at most MaxNamenslaenge characters; no line break in a name or
// a log line; date and time as the log writes them, or empty.
std::optional<TBesuch> AusText(const QByteArray& Text);

// Replaces the journal atomically by the text of AlsText; ErfolgOk or the reason of the failure
// (the codes of support/Dateien.h).
long Schreibe(const QByteArray& Text);

enum class TFund
{
    Keiner,
    Besuch,
    Beschaedigt // set aside beside its place; Meldung says where
};
struct TGelesen
{
    TFund Fund = TFund::Keiner;
    TBesuch Besuch;
    QString Meldung; // for the player, when the journal was damaged
};
// Reads the journal; one that is no regular file, too large or not readable is set aside under a
// new name and reported, and never stops the machine.
TGelesen Lies();

// Removes the journal and what its writer left beside it, the file a link leads to as well; true
// when none is left.
bool Entferne();

} // namespace Besuchsjournal
