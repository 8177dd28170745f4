#pragma once

// What the tests of the main window share: a private program folder as the working directory,
// an empty registry, recorders for message boxes and sounds, and a main window whose end of
// the process is only counted.

#include "core/MainForm.h"
#include "support/PrivateProfil.h"
#include "support/Registrierung.h"
#include "support/STRegIni.h"
#include "support/Zeitraffer.h"
#include "tests/testmain.h"
#include "ui/ScalierungsEinstell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace Testhilfe {

struct TMeldung
{
    QMessageBox::Icon Art;
    QString Text;
};

// Records every message box and answers it with OK at once.
class TAufzeichnendeMeldungen : public IMeldungen
{
public:
    explicit TAufzeichnendeMeldungen(QList<TMeldung>& Ziel) : Ziel(Ziel) {}
    QMessageBox::StandardButton Zeige(QWidget*, QMessageBox::Icon Art, const QString& Text,
                                      QMessageBox::StandardButtons) override
    {
        Ziel.append({Art, Text});
        return QMessageBox::Ok;
    }

private:
    QList<TMeldung>& Ziel;
};

// An audio output that records what it is asked to play, with or without a device.
class TAufzeichnendeTonausgabe : public TSoundAusgabe
{
public:
    // Ausklingen, when given, collects the longest waits for a sound's end it is asked for.
    TAufzeichnendeTonausgabe(QStringList& Ziel, bool Geraet, QList<int>* Ausklingen = nullptr)
        : Ziel(Ziel), Geraet(Geraet), Wartezeiten(Ausklingen)
    {}
    bool GeraetVorhanden() override { return Geraet; }
    void Spiele(const QString& Pfad) override
    {
        if (!Geraet)
            throw ESoundFehler("no audio output device");
        Ziel.append(Pfad);
    }
    void Ausklingen(int HoechstensMs) override
    {
        if (Wartezeiten)
            Wartezeiten->append(HoechstensMs);
    }

private:
    QStringList& Ziel;
    bool Geraet;
    QList<int>* Wartezeiten;
};

// One test case's world: a fresh folder as the working directory, an empty registry in a config
// folder of its own and a state folder without a journal. Only the folders made here are ever
// removed.
class TUmgebung
{
public:
    TUmgebung()
        : VorherigeKonfig(qgetenv("XDG_CONFIG_HOME")), VorherigerZustand(qgetenv("XDG_STATE_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Konfig.path()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(Zustand.path()));
        Vorher = QDir::currentPath();
        QDir::setCurrent(Ordner.path());
    }
    ~TUmgebung()
    {
        QDir::setCurrent(Vorher);
        qputenv("XDG_CONFIG_HOME", VorherigeKonfig);
        qputenv("XDG_STATE_HOME", VorherigerZustand);
    }

    // The folder with a trailing "/", as the window names its program folder.
    QString Pfad() const { return QDir(Ordner.path()).canonicalPath() + QLatin1Char('/'); }

    // Makes the folder the program folder: a file named like the program lies in it.
    void LegeProgrammAn(const QString& Name = QStringLiteral("Vorlix")) const
    {
        SchreibeDatei(Pfad() + Name, {});
    }

    void SchreibeIni(const QByteArray& Inhalt) const
    {
        SchreibeDatei(Pfad() + "Vorlix.ini", Inhalt);
    }
    QByteArray LiesIni() const { return LiesDatei(Pfad() + "Vorlix.ini", {}); }

    QList<TMeldung> Meldungen;
    QStringList Gespielt;
    QList<int> Ausklingen; // each wait for the end of a sound, in milliseconds at most
    int Prozessenden = 0;
    QSize Bildschirm{1600, 900};
    bool Audiogeraet = true;
    QDateTime Uhrzeit{QDate(2026, 12, 7), QTime(14, 3, 5)};
    std::function<void()> BeimProzessende;
    QList<QUrl> Geoeffnet;
    bool OeffnenGelingt = true;
    TZufall Zufall; // the window's random draws; empty: the real generator

    // A main window that records its messages and sounds and only counts the end of the process.
    std::unique_ptr<TMainForm> NeuesFenster(bool EchteMeldungen = false)
    {
        return std::make_unique<TMainForm>(Fensterumgebung(EchteMeldungen));
    }

    // What NeuesFenster gives its window.
    TMainFormUmgebung Fensterumgebung(bool EchteMeldungen = false)
    {
        TMainFormUmgebung Welt;
        if (!EchteMeldungen)
            Welt.Meldungen = std::make_unique<TAufzeichnendeMeldungen>(Meldungen);
        Welt.Tonausgabe =
            std::make_unique<TAufzeichnendeTonausgabe>(Gespielt, Audiogeraet, &Ausklingen);
        Welt.Uhr = [this] { return Uhrzeit; };
        Welt.Bildschirm = [this] { return Bildschirm; };
        Welt.Oeffner = [this](const QUrl& Adresse) {
            Geoeffnet.append(Adresse);
            return OeffnenGelingt;
        };
        Welt.Zufall = Zufall;
        Welt.ProzessEnde = [this] {
            ++Prozessenden;
            if (BeimProzessende)
                BeimProzessende();
        };
        return Welt;
    }

    QString Zustandsordner() const { return Zustand.path(); }
    QString Konfigurationsordner() const { return Konfig.path(); }

private:
    QByteArray VorherigeKonfig;
    QByteArray VorherigerZustand;
    QTemporaryDir Konfig;
    QTemporaryDir Zustand;
    QTemporaryDir Ordner;
    QString Vorher;
};

// The value of Schluessel in the section "Einstellungen" of the folder's Vorlix.ini; "<fehlt>"
// when it is missing or empty.
inline QString IniWert(const TUmgebung& Welt, const QString& Schluessel)
{
    QString Puffer;
    if (PrivateProfil::LiesText("Einstellungen", Schluessel, "", Puffer, 255,
                                Welt.Pfad() + "Vorlix.ini") == 0)
        return QStringLiteral("<fehlt>");
    return Puffer;
}

// Shows the window and waits until its first paint has finished the start-up.
inline bool Starte(TMainForm& Fenster)
{
    QSignalSpy Fertig(&Fenster, &TMainForm::StartAbgeschlossen);
    Fenster.show();
    return Fertig.wait(5000) || Fertig.count() > 0;
}

inline QString LiesRegistry(const QString& Schluessel, const QString& Wert)
{
    TStRegIni Speicher(QStringLiteral("C_USERS"), false);
    Speicher.SetSubKey(Schluessel);
    return Speicher.ReadString(Wert, QStringLiteral("<fehlt>"));
}

inline void SchreibeRegistry(const QString& Schluessel, const QString& Wert, const QString& Text)
{
    TStRegIni Speicher(QStringLiteral("C_USERS"), false);
    Speicher.SetSubKey(Schluessel);
    Speicher.WriteString(Wert, Text);
}

const QString InstallSchluessel = QStringLiteral("Software\\Vorlix-Geldspielautomat");

} // namespace Testhilfe
