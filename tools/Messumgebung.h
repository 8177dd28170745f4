#pragma once

// What the measuring tools share: a program folder and a configuration of their own, with the
// sounds off, so a measurement touches none of the player's settings; offscreen when no display
// is there.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

class TMessumgebung
{
public:
    // Call before the QApplication is made; Werkzeug names the tool in an error message.
    bool RichteEin(const char* Werkzeug)
    {
        if (!Konfiguration.isValid() || !Programmordner.isValid() || !BereiteOrdnerVor()) {
            std::fprintf(stderr, "%s: kein Arbeitsordner\n", Werkzeug);
            return false;
        }
        qputenv("XDG_CONFIG_HOME", Konfiguration.path().toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

private:
    bool BereiteOrdnerVor()
    {
        QFile Programm(Programmordner.filePath(QStringLiteral("Vorlix")));
        QFile Einstellungen(Programmordner.filePath(QStringLiteral("Vorlix.ini")));
        if (!Programm.open(QIODevice::WriteOnly) || !Einstellungen.open(QIODevice::WriteOnly))
            return false;
        Einstellungen.write("[Einstellungen]\r\nSound=0\r\n");
        return QDir::setCurrent(Programmordner.path());
    }

    QTemporaryDir Konfiguration;
    QTemporaryDir Programmordner;
};
