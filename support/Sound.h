#pragma once

#include "support/StException.h"

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

struct ca_context;

// The audio device is missing or refused to open or play a sound.
class ESoundFehler : public EStException
{
public:
    explicit ESoundFehler(std::string Message) : EStException(CodeSoundFehler, std::move(Message))
    {}
    static constexpr int CodeSoundFehler = 31300;
};

// Where the sounds go: the real audio device or, in tests, a recorder.
class TSoundAusgabe
{
public:
    virtual ~TSoundAusgabe() = default;
    // Opens the device when it is not open yet; false when there is none.
    virtual bool GeraetVorhanden() = 0;
    // Starts the file and returns at once; a sound still playing is cut off.
    // Throws ESoundFehler when no device is there, the device fails or the file cannot be played.
    virtual void Spiele(const QString& Pfad) = 0;
    // Returns once no sound plays any more, after HoechstensMs at the latest.
    virtual void Ausklingen(int HoechstensMs) { (void)HoechstensMs; }
};

// The audio device of the system through libcanberra. Each file is put once into the sample
// cache of the sound server, which then plays it from its own memory: nothing has to be fed
// while it sounds, so neither a busy window thread (the falling money, a nested pause, painting)
// nor a sound server that waits for its turn on a busy machine can starve it. Without a
// PulseAudio server the sounds go to ALSA directly. One sound at a time: a new one cuts the one
// still playing. A context whose server went away is given up, and a new one is opened at the
// next sound.
class TKlangspeicherAusgabe : public TSoundAusgabe
{
public:
    TKlangspeicherAusgabe();
    ~TKlangspeicherAusgabe() override;

    bool GeraetVorhanden() override;
    void Spiele(const QString& Pfad) override;
    void Ausklingen(int HoechstensMs) override;

private:
    int SpieleAusDemSpeicher(const QString& Pfad);

    struct TKontextFreigabe
    {
        void operator()(ca_context* Kontext) const;
    };
    std::unique_ptr<ca_context, TKontextFreigabe> Kontext;
    QHash<QString, QByteArray> Namen; // the sample's name in the server's cache, by file
};

// The machine's comments: short WAV files from the current directory (or an installed folder).
class TSoundSpieler
{
public:
    TSoundSpieler(); // plays through TKlangspeicherAusgabe
    explicit TSoundSpieler(std::unique_ptr<TSoundAusgabe> Ausgabe);
    ~TSoundSpieler();

    // Name begins with '/' ("/Muenze.WAV"); the file is the current directory at this moment
    // (the program's folder when that directory is gone) followed by Name, or else the fallback
    // folder followed by Name. A missing file is skipped silently. Throws ESoundFehler.
    void SpieleSound(const QString& Name);

    // As SpieleSound, but only when sounds are switched on; otherwise nothing is touched.
    void SpieleSoundWennEin(bool KommentarHoeren, const QString& Name);

    // Plays Erster, waits 1000 ms with Pause (milliseconds), then plays Zweiter; nothing at all
    // when sounds are off. When the first sound throws, the second is not played.
    void SpieleSoundPaar(bool KommentarHoeren, const QString& Erster, const QString& Zweiter,
                         const std::function<void(int)>& Pause);

    // Waits for the end of a sound still playing, HoechstensMs at most.
    void LassAusklingen(int HoechstensMs);

    // The folder searched when the current directory lacks a sound; empty: none.
    void SetzeErsatzordner(const QString& Ordner);

    // Beim is told the path of every sound the output has started.
    void SetzeBeobachter(std::function<void(const QString& Pfad)> Beim);

    static constexpr int PaarAbstandMs = 1000;

private:
    std::unique_ptr<TSoundAusgabe> Ausgabe;
    QString Ersatzordner;
    std::function<void(const QString&)> Beobachter;
};
