#include "support/Sound.h"

#include "support/Arbeitsordner.h"
#include "support/Zeitraffer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int Kanal = 0; // the only one: a new sound takes it from the old
constexpr int Stereo = 2;
// Frames per mixing round, 46 ms: room for the audio thread to wait for its turn on a busy
// machine, and still short enough for a coin to sound as its picture lands.
constexpr int MischRunde = 2048;
constexpr SDL_AudioDeviceID HoechsteGeraeteNummer = 64;

// SDL_mixer does not tell which device it opened; it is the one open device of the process.
SDL_AudioDeviceID OffenesGeraet()
{
    for (SDL_AudioDeviceID Nummer = 1; Nummer <= HoechsteGeraeteNummer; ++Nummer)
        if (SDL_GetAudioDeviceStatus(Nummer) != SDL_AUDIO_STOPPED)
            return Nummer;
    return 0;
}

} // namespace

TMixerSoundAusgabe::~TMixerSoundAusgabe()
{
    Schliesse();
}

bool TMixerSoundAusgabe::GeraetVorhanden()
{
    if (Offen && GeraetLaeuft())
        return true;
    Schliesse();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Vorlix");
    // SDL picks its driver when the audio part starts: PulseAudio, else plain ALSA. Starting it
    // anew at each try finds a sound server that came up after a failed try.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, Stereo, MischRunde) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    Geraet = OffenesGeraet();
    Offen = true;
    return true;
}

// A device that was lost stops; SDL_mixer itself would go on mixing into nothing.
bool TMixerSoundAusgabe::GeraetLaeuft() const
{
    return Geraet == 0 || SDL_GetAudioDeviceStatus(Geraet) != SDL_AUDIO_STOPPED;
}

void TMixerSoundAusgabe::Schliesse()
{
    if (!Offen)
        return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk* Klang : std::as_const(Vorrat))
        Mix_FreeChunk(Klang);
    Vorrat.clear();
    Mix_CloseAudio(); // plays out what the device still holds
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    Offen = false;
    Geraet = 0;
}

void TMixerSoundAusgabe::Spiele(const QString& Pfad)
{
    if (!GeraetVorhanden())
        throw ESoundFehler("no audio output device");
    Mix_Chunk* Klang = Geladen(Pfad);
    if (!Klang)
        throw ESoundFehler("cannot play " + QDir::toNativeSeparators(Pfad).toStdString() + ": " +
                           Mix_GetError());
    if (Mix_PlayChannel(Kanal, Klang, 0) < 0)
        throw ESoundFehler(std::string("cannot play: ") + Mix_GetError());
}

// A file that cannot be decoded is tried again at its next play, and reported each time.
Mix_Chunk* TMixerSoundAusgabe::Geladen(const QString& Pfad)
{
    if (Mix_Chunk* Klang = Vorrat.value(Pfad))
        return Klang;
    Mix_Chunk* Klang = Mix_LoadWAV(QFile::encodeName(Pfad).constData());
    if (Klang)
        Vorrat.insert(Pfad, Klang);
    return Klang;
}

void TMixerSoundAusgabe::Ausklingen(int HoechstensMs)
{
    if (!Offen)
        return;
    const QDeadlineTimer Frist(HoechstensMs);
    while (Mix_Playing(Kanal) && !Frist.hasExpired())
        Zeitraffer::Schlafe(5);
    Schliesse();
}

TSoundSpieler::TSoundSpieler() : TSoundSpieler(std::make_unique<TMixerSoundAusgabe>()) {}

TSoundSpieler::TSoundSpieler(std::unique_ptr<TSoundAusgabe> Ausgabe) : Ausgabe(std::move(Ausgabe))
{}

TSoundSpieler::~TSoundSpieler() = default;

void TSoundSpieler::SpieleSound(const QString& Name)
{
    QString Pfad = Arbeitsordner::OderErsatz(QCoreApplication::applicationDirPath()) + Name;
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
