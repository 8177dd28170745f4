#pragma once

// What the measuring tools share: a program folder and a configuration, data and state of their
// own, with the sounds off unless the tool brings them, so a measurement touches none of the
// player's settings; offscreen when no display is there.

#include "core/MainForm.h"
#include "money/Geldregeln.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

class TMessumgebung
{
public:
    // Call before the QApplication is made; Werkzeug names the tool in an error message. With a
    // folder of sounds, its WAV files are copied into the program folder and the sounds stay on.
    // Einstellungen are further lines of the ini file's section.
    bool RichteEin(const char* Werkzeug, const QString& Klangordner = {},
                   const QByteArray& Einstellungen = {})
    {
        if (!Konfiguration.isValid() || !Programmordner.isValid() ||
            !BereiteOrdnerVor(Klangordner, Einstellungen)) {
            std::fprintf(stderr, "%s: kein Arbeitsordner\n", Werkzeug);
            return false;
        }
        qputenv("XDG_CONFIG_HOME", Konfiguration.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", Konfiguration.filePath(QStringLiteral("daten")).toLocal8Bit());
        qputenv("XDG_STATE_HOME", Konfiguration.filePath(QStringLiteral("zustand")).toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

private:
    bool BereiteOrdnerVor(const QString& Klangordner, const QByteArray& Zusatz)
    {
        QFile Programm(Programmordner.filePath(QStringLiteral("Vorlix")));
        QFile Einstellungen(Programmordner.filePath(QStringLiteral("Vorlix.ini")));
        if (!Programm.open(QIODevice::WriteOnly) || !Einstellungen.open(QIODevice::WriteOnly))
            return false;
        Einstellungen.write(
            (Klangordner.isEmpty() ? "[Einstellungen]\r\nSound=0\r\n" : "[Einstellungen]\r\n") +
            Zusatz);
        const QDir Klaenge(Klangordner);
        if (!Klangordner.isEmpty())
            for (const QString& Name : Klaenge.entryList({QStringLiteral("*.WAV")}, QDir::Files))
                if (!QFile::copy(Klaenge.filePath(Name), Programmordner.filePath(Name)))
                    return false;
        return QDir::setCurrent(Programmordner.path());
    }

    QTemporaryDir Konfiguration;
    QTemporaryDir Programmordner;
};

// The processor time the whole process has used so far, user and system, in seconds.
inline double Prozessorsekunden()
{
    rusage Verbrauch{};
    getrusage(RUSAGE_SELF, &Verbrauch);
    auto Sekunden = [](const timeval& Zeit) { return Zeit.tv_sec + Zeit.tv_usec / 1e6; };
    return Sekunden(Verbrauch.ru_utime) + Sekunden(Verbrauch.ru_stime);
}

// The first argument as a whole number from Von to Bis; Vorgabe when there is none.
inline int ZahlAusArgument(int argc, char* argv[], int Von, int Bis, int Vorgabe)
{
    return argc > 1 ? qBound(Von, QByteArray(argv[1]).toInt(), Bis) : Vorgabe;
}

// One game of 20 Cent that lasts Spieldauer seconds, without automatic start; returns when it
// has ended.
inline void SpieleEinSpiel(TMainForm& Fenster, int Spieldauer)
{
    Fenster.TrackBar1->setValue(Spieldauer);
    Fenster.AutoStartCheckBox->setChecked(false);
    Fenster.SpielGeldSpeicher = Geld::Spielpreis();
    Fenster.AutoStartClick();
}
