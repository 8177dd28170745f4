#pragma once

#include "support/StException.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QAudioDevice;
class QSoundEffect;

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
    virtual bool GeraetVorhanden() const = 0;
    // Starts the file and returns at once; a sound still playing is cut off.
    // Throws ESoundFehler when no device is there, the device fails or the file cannot be played.
    virtual void Spiele(const QString& Pfad) = 0;
};

// The audio device of the system. Every sound gets a QSoundEffect of its own, made when it
// starts: an effect that is started again reopens its audio stream asking for the buffer the
// stream got the time before, the sound server grants a little less each time, and after a few
// quick repeats the stream never fills and stays silent. A new sound cuts the one still playing.
// Each file is decoded once: an effect per file that is never played keeps it loaded, and the
// playing effects share its samples.
class TEffektSoundAusgabe : public TSoundAusgabe
{
public:
    TEffektSoundAusgabe();
    ~TEffektSoundAusgabe() override;

    bool GeraetVorhanden() const override;
    void Spiele(const QString& Pfad) override;

private:
    const QSoundEffect& Geladen(const QString& Pfad, const QAudioDevice& Geraet);

    std::unique_ptr<QObject> Besitzer; // of every effect
    QHash<QString, QSoundEffect*> Vorrat;
    QPointer<QSoundEffect> Laufend;
};

// The machine's comments: short WAV files from the current directory (or an installed folder).
class TSoundSpieler
{
public:
    TSoundSpieler(); // plays through TEffektSoundAusgabe
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
