#include "support/Sound.h"

#include "support/Arbeitsordner.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace {

void WirfWennFehler(const QMediaPlayer& Spieler)
{
    if (Spieler.error() != QMediaPlayer::NoError) {
        throw ESoundFehler(Spieler.errorString().toStdString());
    }
}

} // namespace

TMedienSoundAusgabe::TMedienSoundAusgabe() = default;

TMedienSoundAusgabe::~TMedienSoundAusgabe() = default;

bool TMedienSoundAusgabe::GeraetVorhanden() const
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void TMedienSoundAusgabe::Spiele(const QString& Pfad)
{
    // Without a device the media backends either never finish a sound or crash in play().
    const QAudioDevice Geraet = QMediaDevices::defaultAudioOutput();
    if (Geraet.isNull()) {
        throw ESoundFehler("no audio output device");
    }
    if (!Spieler) {
        ErzeugeSpieler();
    }
    Ausgang->setDevice(Geraet);
    // Stopping first makes the same file start again from its beginning.
    Spieler->stop();
    // Right after setSource the player may still show the error of the previous file; play()
    // clears it, so only what is left after play() belongs to this sound.
    Spieler->setSource(QUrl::fromLocalFile(Pfad));
    Spieler->play();
    WirfWennFehler(*Spieler);
}

void TMedienSoundAusgabe::ErzeugeSpieler()
{
    Ausgang = std::make_unique<QAudioOutput>();
    Spieler = std::make_unique<QMediaPlayer>();
    Spieler->setAudioOutput(Ausgang.get());
}

TSoundSpieler::TSoundSpieler() : TSoundSpieler(std::make_unique<TMedienSoundAusgabe>()) {}

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
}

void TSoundSpieler::SetzeErsatzordner(const QString& Ordner)
{
    Ersatzordner = Ordner;
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
