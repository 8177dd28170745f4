#include "support/Sound.h"

#include "support/Dateien.h"
#include "support/Zeitraffer.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <canberra.h>

namespace {

constexpr uint32_t KlangNummer = 1; // every sound: playing one cancels the one before

// A context that lost its sound server answers every request with one of these.
bool VerbindungVerloren(int Ergebnis)
{
    return Ergebnis == CA_ERROR_STATE || Ergebnis == CA_ERROR_DISCONNECTED;
}

} // namespace

void TKlangspeicherAusgabe::TKontextFreigabe::operator()(ca_context* Kontext) const
{
    ca_context_destroy(Kontext);
}

TKlangspeicherAusgabe::TKlangspeicherAusgabe() = default;

TKlangspeicherAusgabe::~TKlangspeicherAusgabe() = default;

bool TKlangspeicherAusgabe::GeraetVorhanden()
{
    if (Kontext)
        return true;
    ca_context* Neu = nullptr;
    if (ca_context_create(&Neu) != CA_SUCCESS)
        return false;
    std::unique_ptr<ca_context, TKontextFreigabe> Offen(Neu);
    ca_context_change_props(Neu, CA_PROP_APPLICATION_NAME, "Vorlix", nullptr);
    if (ca_context_open(Neu) != CA_SUCCESS)
        return false;
    Kontext = std::move(Offen);
    Namen.clear();
    return true;
}

void TKlangspeicherAusgabe::Spiele(const QString& Pfad)
{
    if (!GeraetVorhanden())
        throw ESoundFehler("no audio output device");
    int Ergebnis = SpieleAusDemSpeicher(Pfad);
    if (VerbindungVerloren(Ergebnis)) {
        Kontext.reset();
        if (!GeraetVorhanden())
            throw ESoundFehler("the audio output device is gone");
        Ergebnis = SpieleAusDemSpeicher(Pfad);
    }
    if (Ergebnis != CA_SUCCESS)
        throw ESoundFehler("cannot play " + QDir::toNativeSeparators(Pfad).toStdString() + ": " +
                           ca_strerror(Ergebnis));
}

// The sample is named after the file and its last change, so a file replaced meanwhile is not
// played from an old copy that a server kept. A file that cannot be cached is played all the
// same, streamed, and the error of that play counts.
int TKlangspeicherAusgabe::SpieleAusDemSpeicher(const QString& Pfad)
{
    const QByteArray Datei = QFile::encodeName(Pfad);
    QByteArray& Name = Namen[Pfad];
    if (Name.isEmpty()) {
        const QFileInfo Info(Pfad);
        const QByteArray Stand = Datei + '\n' +
                                 QByteArray::number(Info.lastModified().toMSecsSinceEpoch()) +
                                 '\n' + QByteArray::number(Info.size());
        // The server takes plain names only.
        Name =
            "vorlix-" + QCryptographicHash::hash(Stand, QCryptographicHash::Sha1).toHex().left(20);
        const int Ergebnis = ca_context_cache(Kontext.get(), CA_PROP_EVENT_ID, Name.constData(),
                                              CA_PROP_MEDIA_FILENAME, Datei.constData(),
                                              CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
        if (VerbindungVerloren(Ergebnis))
            return Ergebnis;
    }
    ca_context_cancel(Kontext.get(), KlangNummer);
    // The role of a game's sounds, not of the desktop's event sounds, whose volume a player may
    // have turned down.
    return ca_context_play(Kontext.get(), KlangNummer, CA_PROP_EVENT_ID, Name.constData(),
                           CA_PROP_MEDIA_FILENAME, Datei.constData(), CA_PROP_MEDIA_ROLE, "game",
                           CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
}

void TKlangspeicherAusgabe::Ausklingen(int HoechstensMs)
{
    if (!Kontext)
        return;
    const QDeadlineTimer Frist(HoechstensMs);
    int Spielt = 0;
    while (ca_context_playing(Kontext.get(), KlangNummer, &Spielt) == CA_SUCCESS && Spielt &&
           !Frist.hasExpired())
        Zeitraffer::Schlafe(5);
}

TSoundSpieler::TSoundSpieler() : TSoundSpieler(std::make_unique<TKlangspeicherAusgabe>()) {}

TSoundSpieler::TSoundSpieler(std::unique_ptr<TSoundAusgabe> Ausgabe) : Ausgabe(std::move(Ausgabe))
{}

TSoundSpieler::~TSoundSpieler() = default;

void TSoundSpieler::SpieleSound(const QString& Name)
{
    QString Pfad = Dateien::ArbeitsordnerOder(Dateien::Programmdateiordner()) + Name;
    if (!QFileInfo(Pfad).isFile() && !Ersatzordner.isEmpty())
        Pfad = Ersatzordner + Name;
    if (!QFileInfo(Pfad).isFile()) {
        return;
    }
    if (!Ausgabe->GeraetVorhanden()) {
        throw ESoundFehler("no audio output device");
    }
    Ausgabe->Spiele(Pfad);
    if (Beobachter)
        Beobachter(Pfad);
}

void TSoundSpieler::LassAusklingen(int HoechstensMs)
{
    Ausgabe->Ausklingen(HoechstensMs);
}

void TSoundSpieler::SetzeErsatzordner(const QString& Ordner)
{
    Ersatzordner = Ordner;
}

void TSoundSpieler::SetzeBeobachter(std::function<void(const QString&)> Beim)
{
    Beobachter = std::move(Beim);
}

void TSoundSpieler::SpieleSoundWennEin(bool KommentarHoeren, const QString& Name)
{
    if (KommentarHoeren) {
        SpieleSound(Name);
    }
}

void TSoundSpieler::SpieleSoundPaar(bool KommentarHoeren, const QString& Erster,
                                    const QString& Zweiter, const std::function<void(int)>& Pause)
{
    if (!KommentarHoeren) {
        return;
    }
    SpieleSound(Erster);
    Pause(PaarAbstandMs);
    SpieleSound(Zweiter);
}
