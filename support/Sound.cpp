#include "support/Sound.h"

#include "support/Arbeitsordner.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

TEffektSoundAusgabe::TEffektSoundAusgabe() : Besitzer(std::make_unique<QObject>()) {}

TEffektSoundAusgabe::~TEffektSoundAusgabe() = default;

bool TEffektSoundAusgabe::GeraetVorhanden() const
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void TEffektSoundAusgabe::Spiele(const QString& Pfad)
{
    const QAudioDevice Geraet = QMediaDevices::defaultAudioOutput();
    if (Geraet.isNull()) {
        throw ESoundFehler("no audio output device");
    }
    // A file that could not be decoded is reported from its next play on.
    if (Geladen(Pfad, Geraet).status() == QSoundEffect::Error) {
        throw ESoundFehler("cannot play " + QDir::toNativeSeparators(Pfad).toStdString());
    }
    if (Laufend) {
        Laufend->stop();
    }
    auto* Effekt = new QSoundEffect(Geraet, Besitzer.get());
    // Gone once it has sounded, or once its file turned out undecodable.
    QObject::connect(Effekt, &QSoundEffect::playingChanged, Effekt, [Effekt] {
        if (!Effekt->isPlaying())
            Effekt->deleteLater();
    });
    QObject::connect(Effekt, &QSoundEffect::statusChanged, Effekt, [Effekt] {
        if (Effekt->status() == QSoundEffect::Error)
            Effekt->deleteLater();
    });
    Effekt->setSource(QUrl::fromLocalFile(Pfad));
    Effekt->play();
    Laufend = Effekt;
}

// The first request of a file starts its decoding in the background; a sound started meanwhile
// begins as soon as the samples are there.
const QSoundEffect& TEffektSoundAusgabe::Geladen(const QString& Pfad, const QAudioDevice& Geraet)
{
    QSoundEffect*& Effekt = Vorrat[Pfad];
    if (!Effekt) {
        Effekt = new QSoundEffect(Geraet, Besitzer.get());
        Effekt->setSource(QUrl::fromLocalFile(Pfad));
    }
    return *Effekt;
}

TSoundSpieler::TSoundSpieler() : TSoundSpieler(std::make_unique<TEffektSoundAusgabe>()) {}

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
