#pragma once

// What the measuring tools share: a program folder and a configuration, data and state of their
// own, with the sounds off unless the tool brings them, so a measurement touches none of the
// player's settings; offscreen when no display is there.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

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
