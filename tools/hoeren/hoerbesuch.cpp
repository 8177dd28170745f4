// A visit as a player makes it, heard at the sound server: the machine starts on a display, takes
// a 1 Euro coin, plays one game and pays out, while the only device of a sound server of the
// tool's own is recorded. Prints the sounds the visit calls for, the sounds the machine started,
// whether the recording holds each at its time, and the three counts; exits with 1 when a sound
// is missing. Argument: the payout's pause per step in milliseconds (the setting
// "GeschwindigkeitAuszahlung"; without it the shipped settings hold, one step per screen frame).
// Without DISPLAY it starts Xvfb itself. It runs in a folder and a configuration of its
// own and touches none of the player's settings.

#include "core/MainForm.h"
#include "tools/Messumgebung.h"
#include "tools/hoeren/Hoerprobe.h"
#include "ui/Bedienelemente.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

// Xvfb on the first free display, found by the server itself.
class TVirtuellerBildschirm
{
public:
    ~TVirtuellerBildschirm()
    {
        Xvfb.terminate();
        Xvfb.waitForFinished(3000);
    }

    bool Starte()
    {
        Xvfb.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1920x1080x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QByteArray Nummer;
        while (!Nummer.contains('\n') && Xvfb.waitForReadyRead(10000))
            Nummer += Xvfb.readAllStandardOutput();
        if (Nummer.trimmed().isEmpty())
            return false;
        qputenv("DISPLAY", ':' + Nummer.trimmed());
        return true;
    }

private:
    QProcess Xvfb;
};

// Hands every sound on to the real output and notes which file started when.
class TMitschrift : public TSoundAusgabe
{
public:
    TMitschrift(QList<TErwartung>& Ziel, const QElapsedTimer& Uhr) : Ziel(Ziel), Uhr(Uhr) {}
    bool GeraetVorhanden() const override { return Echt.GeraetVorhanden(); }
    void Spiele(const QString& Pfad) override
    {
        Ziel.append({QFileInfo(Pfad).fileName(), Uhr.nsecsElapsed() / 1e9});
        Echt.Spiele(Pfad);
    }

private:
    TEffektSoundAusgabe Echt;
    QList<TErwartung>& Ziel;
    const QElapsedTimer& Uhr;
};

// Prints each message box and answers it with OK, so the visit never waits for a hand.
class TMeldungenAufDerKonsole : public IMeldungen
{
public:
    QMessageBox::StandardButton Zeige(QWidget*, QMessageBox::Icon, const QString& Text,
                                      QMessageBox::StandardButtons) override
    {
        std::printf("Meldung: %s\n", qPrintable(Text));
        return QMessageBox::Ok;
    }
};

// Calls Beim once, when the payout button is enabled again: at the end of the first game.
class TSpielende : public QObject
{
public:
    TSpielende(QWidget& Knopf, std::function<void()> Beim) : Knopf(Knopf), Beim(std::move(Beim))
    {
        Knopf.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* Ereignis) override
    {
        if (Ereignis->type() == QEvent::EnabledChange && Knopf.isEnabled() && Beim)
            std::exchange(Beim, nullptr)();
        return false;
    }

private:
    QWidget& Knopf;
    std::function<void()> Beim;
};

// The coins of a payout of Betrag ("0,80"): notes of 50, 20, 10 and 5 Euro fall silently, the
// Euros left over come as 2 and 1 Euro coins, the cents as 50, 20 and 10 Cent coins.
int MuenzenDerAuszahlung(const QString& Betrag)
{
    const int Cent = qRound(QString(Betrag).replace(u',', u'.').toDouble() * 100);
    int Euro = Cent / 100 % 5;
    int Rest = Cent % 100;
    int Muenzen = Euro / 2 + Euro % 2;
    for (int Wert : {50, 20, 10}) {
        Muenzen += Rest / Wert;
        Rest %= Wert;
    }
    return Muenzen;
}

// What the visit calls for: the greeting, the coin taken in, the game's pair of sounds when it
// was won (or stopped and lost), a coin sound for every coin paid out.
QStringList VerlangteKlaenge(const TMainForm& Fenster, const QString& Ausgezahlt)
{
    QStringList Klaenge = {QStringLiteral("Muenze.WAV"), QStringLiteral("Muenze.WAV")};
    if (Fenster.Gewonnen && Fenster.SonderspieleGewonnen)
        Klaenge << QStringLiteral("Sonderspiele1.WAV") << QStringLiteral("Sonderspiele.WAV");
    else if (Fenster.Gewonnen)
        Klaenge << QStringLiteral("gewonnen1.WAV") << QStringLiteral("gewonnen.WAV");
    else if (Fenster.StopAngefordert)
        Klaenge << QStringLiteral("stop.WAV") << QStringLiteral("ups.WAV");
    for (int Muenze = MuenzenDerAuszahlung(Ausgezahlt); Muenze > 0; --Muenze)
        Klaenge << QStringLiteral("Muenze.WAV");
    return Klaenge;
}

void WarteEreignisse(int Millisekunden)
{
    QElapsedTimer Uhr;
    Uhr.start();
    while (!Uhr.hasExpired(Millisekunden))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList Fehlend = TTonstudio::FehlendeProgramme();
    if (qEnvironmentVariableIsEmpty("DISPLAY") &&
        QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        Fehlend << QStringLiteral("Xvfb");
    if (!Fehlend.isEmpty()) {
        std::fprintf(stderr, "hoerbesuch: es fehlt %s\n", qPrintable(Fehlend.join(u' ')));
        return 2;
    }
    const QString Klangordner = QStringLiteral(VORLIX_KLANGORDNER);
    const auto Klaenge = LiesMaschinenklaenge(Klangordner);
    TVirtuellerBildschirm Bildschirm;
    TMessumgebung Ordner;
    if (Klaenge.isEmpty() || (qEnvironmentVariableIsEmpty("DISPLAY") && !Bildschirm.Starte()) ||
        !Ordner.RichteEin("hoerbesuch", Klangordner)) {
        std::fprintf(stderr, "hoerbesuch: keine Klänge in %s oder kein Bildschirm\n",
                     qPrintable(Klangordner));
        return 2;
    }
    QFile Einstellungen(QStringLiteral("Vorlix.ini"));
    const QByteArray Auszahlpause =
        argc > 1 ? "GeschwindigkeitAuszahlung=" + QByteArray(argv[1]) + "\r\n" : QByteArray();
    if (!Einstellungen.open(QIODevice::Append) || Einstellungen.write(Auszahlpause) < 0) {
        std::fprintf(stderr, "hoerbesuch: Vorlix.ini nicht schreibbar\n");
        return 2;
    }
    Einstellungen.close();
    const int Rate = Klaenge.value(QStringLiteral("Muenze.WAV")).Rate;
    TTonstudio Studio;
    if (const QString Fehler = Studio.Starte(Rate); !Fehler.isEmpty()) {
        std::fprintf(stderr, "hoerbesuch: %s\n", qPrintable(Fehler));
        return 2;
    }

    QApplication Anwendung(argc, argv);
    QElapsedTimer Uhr;
    Uhr.start();
    QList<TErwartung> Gespielt;
    bool Beendet = false;
    TMainFormUmgebung Umgebung;
    Umgebung.Tonausgabe = std::make_unique<TMitschrift>(Gespielt, Uhr);
    Umgebung.Meldungen = std::make_unique<TMeldungenAufDerKonsole>();
    Umgebung.ProzessEnde = [&Beendet] { Beendet = true; };
    TMainForm Fenster(std::move(Umgebung));

    // The player waits for the greeting, pays in 1 Euro, watches one game and a second later
    // asks for the money.
    QStringList Verlangt;
    QObject::connect(&Fenster, &TMainForm::StartAbgeschlossen, &Fenster, [&] {
        QTimer::singleShot(1500, &Fenster,
                           [&] { QTest::mouseClick(Fenster.Button_1_Euro, Qt::LeftButton); });
    });
    TSpielende Spielende(*Fenster.GibMirMeinGeldBtn, [&] {
        QTimer::singleShot(1000, &Fenster,
                           [&] { QTest::mouseClick(Fenster.GibMirMeinGeldBtn, Qt::LeftButton); });
    });
    Fenster.show();
    QElapsedTimer Frist;
    Frist.start();
    while (!Beendet && !Frist.hasExpired(180000))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (Beendet)
        Verlangt = VerlangteKlaenge(Fenster, Fenster.AuszahlungText);
    WarteEreignisse(2000); // the last coin sounds 0.6 s

    const QList<TBefund> Befunde = Hoere(Studio.Stoppe(), Rate, Gespielt, Klaenge);
    const auto Gehoert = std::count_if(Befunde.begin(), Befunde.end(),
                                       [](const TBefund& Befund) { return Befund.Gehoert; });
    QStringList Gestartet;
    for (const TErwartung& Klang : Gespielt)
        Gestartet << Klang.Name;
    std::printf("Besuch: Start, 1 Euro, ein Spiel (%s), Auszahlung %s%s\n",
                Fenster.Gewonnen ? "gewonnen" : "verloren", qPrintable(Fenster.AuszahlungText),
                Beendet ? "" : " -- das Programm endete nicht");
    std::printf("verlangt:  %s\ngestartet: %s\n%s", qPrintable(Verlangt.join(u' ')),
                qPrintable(Gestartet.join(u' ')), qPrintable(Bericht(Befunde)));
    std::printf("Klänge verlangt %lld, gestartet %lld, gehört %lld\n",
                static_cast<long long>(Verlangt.size()), static_cast<long long>(Gestartet.size()),
                static_cast<long long>(Gehoert));
    const bool Vollstaendig = Beendet && Verlangt == Gestartet && Gehoert == Befunde.size();
    return Vollstaendig ? 0 : 1;
}
