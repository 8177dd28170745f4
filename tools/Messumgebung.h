#pragma once

// What the measuring tools share: a program folder, a configuration and a state folder of their
// own, with the sounds off, so a measurement touches none of the player's settings or visits;
// offscreen when no display is there.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

class TMessumgebung
{
public:
    // Call before the QApplication is made; Werkzeug names the tool in an error message.
    // Einstellungen are further lines of the ini file's section.
    bool RichteEin(const char* Werkzeug, const QByteArray& Einstellungen = {})
    {
        if (!Konfiguration.isValid() || !Zustand.isValid() || !Programmordner.isValid() ||
            !BereiteOrdnerVor(Einstellungen)) {
            std::fprintf(stderr, "%s: kein Arbeitsordner\n", Werkzeug);
            return false;
        }
        qputenv("XDG_CONFIG_HOME", Konfiguration.path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", Zustand.path().toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

private:
    bool BereiteOrdnerVor(const QByteArray& Zusatz)
    {
        QFile Programm(Programmordner.filePath(QStringLiteral("Vorlix")));
        QFile Einstellungen(Programmordner.filePath(QStringLiteral("Vorlix.ini")));
        if (!Programm.open(QIODevice::WriteOnly) || !Einstellungen.open(QIODevice::WriteOnly))
            return false;
        Einstellungen.write("[Einstellungen]\r\nSound=0\r\n" + Zusatz);
        return QDir::setCurrent(Programmordner.path());
    }

    QTemporaryDir Konfiguration;
    QTemporaryDir Zustand;
    QTemporaryDir Programmordner;
};
