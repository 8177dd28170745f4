// The player's hands for the tests of the installed and the running program: Qt loads this as an
// input plugin (QT_QPA_GENERIC_PLUGINS=vorlixfernbedienung), so the program itself needs no test
// entry. When the start-up has finished it types a name into the name field and presses Esc; with
// "vorlixfernbedienung:spiel" it answers each message box after three seconds, puts 20 Cent in
// instead, lets one game run and presses Esc, and prints "Meldung <text>" for every box;
// "vorlixfernbedienung:zweitstart" plays the same game with the longest spin, starts a second copy
// of the program while the left disc turns and prints "Zweite Kopie <exit code>" once it ended.
// With "vorlixfernbedienung:besuch" it makes a visit
// (see TBesuch) and prints every sound the machine starts, one line each on standard output:
// "Klang <seconds> <file>"; "Auszahlung <seconds>" when it asks for the money. With
// "vorlixfernbedienung:passform:<steps>" it measures the window's fit instead (TVermessung).
#include "Vermessung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSlider>
#include <QTimer>
#include <cstdio>

namespace {

const QString Spielername = QStringLiteral("Testspielerin");

void DrueckeTaste(QWidget* Ziel, int Taste, const QString& Text = {})
{
    QKeyEvent Druck(QEvent::KeyPress, Taste, Qt::NoModifier, Text);
    QApplication::sendEvent(Ziel, &Druck);
    QKeyEvent Loslassen(QEvent::KeyRelease, Taste, Qt::NoModifier, Text);
    QApplication::sendEvent(Ziel, &Loslassen);
}

double Sekunden()
{
    return double(QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs()) / 1e9;
}

void Schreibe(const QString& Zeile)
{
    std::printf("%s\n", qPrintable(Zeile));
    std::fflush(stdout);
}

// The coins among the money a payout of Cent lets fall: notes of 50, 20, 10 and 5 Euro, then
// coins of 2, 1, 0.5, 0.2 and 0.1 Euro.
int MuenzenFuer(int Cent)
{
    int Muenzen = 0;
    Cent %= 500;
    for (int Wert : {200, 100, 50, 20, 10}) {
        Muenzen += Cent / Wert;
        Cent %= Wert;
    }
    return Muenzen;
}

// The credit and the special games as the machine's visit journal holds them after each game.
std::pair<int, int> GuthabenUndSonderspiele()
{
    QFile Journal(qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/Vorlix/Besuch.json"));
    if (!Journal.open(QIODevice::ReadOnly))
        return {0, 0};
    const QJsonObject Besuch = QJsonDocument::fromJson(Journal.readAll()).object();
    const auto Zahl = [&Besuch](const char* Name) {
        return Besuch.value(QLatin1String(Name)).toString().replace(u',', u'.').toDouble();
    };
    return {qRound(Zahl("Guthaben") * 100), qRound(Zahl("Sonderspiele"))};
}

} // namespace

class TFernbedienung : public QObject
{
    Q_OBJECT

public:
    enum class TArt
    {
        Name,
        Spiel,
        Besuch,
        Zweitstart
    };
    explicit TFernbedienung(TArt Art) : Art(Art) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        auto* Box = qobject_cast<QMessageBox*>(Objekt);
        if (Art != TArt::Name && Box && Ereignis->type() == QEvent::Show) {
            Schreibe(QStringLiteral("Meldung ") + Box->text());
            QTimer::singleShot(3000, Box, [Box] { Box->buttons().constFirst()->click(); });
        }
        if (!Hauptfenster && Ereignis->type() == QEvent::Show &&
            Objekt->objectName() == QLatin1String("MainForm")) {
            Hauptfenster = qobject_cast<QWidget*>(Objekt);
            connect(Hauptfenster, SIGNAL(StartAbgeschlossen()), this, SLOT(Bediene()),
                    Qt::QueuedConnection);
            if (Art == TArt::Besuch)
                connect(Hauptfenster, SIGNAL(KlangGestartet(QString)), this,
                        SLOT(NotiereKlang(QString)));
        }
        return false;
    }

private slots:
    void NotiereKlang(const QString& Datei)
    {
        Schreibe(QStringLiteral("Klang %1 %2").arg(Sekunden(), 0, 'f', 3).arg(Datei));
        Gehoert << Datei;
    }

    void Bediene()
    {
        if (Art == TArt::Besuch) {
            BeginneBesuch();
            return;
        }
        if (Art == TArt::Spiel || Art == TArt::Zweitstart) {
            Hauptfenster->findChild<QSlider*>(QStringLiteral("TrackBar1"))
                ->setValue(Art == TArt::Spiel ? 1 : 8);
            // The deposit waits 2 s, then the left disc turns for 8 s.
            if (Art == TArt::Zweitstart)
                QTimer::singleShot(3000, this, &TFernbedienung::StarteZweiteKopie);
            auto* Takt = new QTimer(this);
            connect(Takt, &QTimer::timeout, this, [this, Takt] { FolgeDemSpiel(Takt); });
            Takt->start(200);
            QMetaObject::invokeMethod(Kind<QWidget>("Button_20_Cent"), "Click",
                                      Qt::QueuedConnection);
            return;
        }
        auto* Name = Hauptfenster->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        if (!Name) {
            qFatal("vorlixfernbedienung: no name field");
        }
        Name->setFocus();
        Name->selectAll();
        for (const QChar Zeichen : Spielername)
            DrueckeTaste(Name, Zeichen.toUpper().unicode(), QString(Zeichen));
        DrueckeTaste(Name, Qt::Key_Escape);
    }

private:
    void StarteZweiteKopie()
    {
        auto* Zweite = new QProcess(this);
        QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
        Umgebung.remove(QStringLiteral("QT_QPA_GENERIC_PLUGINS"));
        Zweite->setProcessEnvironment(Umgebung);
        connect(Zweite, &QProcess::finished, this,
                [](int Code) { Schreibe(QStringLiteral("Zweite Kopie %1").arg(Code)); });
        Zweite->start(QCoreApplication::applicationFilePath());
    }

    template <typename T> T* Kind(const char* Name) const
    {
        return Hauptfenster->findChild<T*>(QLatin1String(Name));
    }

    // One game: once the discs turn no other follows; two seconds after its end comes Esc.
    void FolgeDemSpiel(QTimer* Takt)
    {
        auto* Automatik = Kind<QCheckBox>("AutoStartCheckBox");
        if (Kind<QWidget>("StartBtnGruen")->isVisible() ||
            Kind<QWidget>("StopBtnGruen")->isVisible()) {
            Automatik->setChecked(false);
        } else if (!Automatik->isChecked() && Kind<QWidget>("GibMirMeinGeldBtn")->isEnabled()) {
            Takt->stop();
            QTimer::singleShot(2000, this, [this] { DrueckeTaste(Hauptfenster, Qt::Key_Escape); });
        }
    }

    void Klicke(const char* Name) const
    {
        QMetaObject::invokeMethod(Kind<QWidget>(Name), "click", Qt::QueuedConnection);
    }

    // The visit: a refused start, 10 Cent in (refused again), a 50 Euro note, then single games,
    // each stopped, until at least three have run, one of them sounded a pair and the credit
    // pays out at least four coins; then the payout, which ends the program.
    void BeginneBesuch()
    {
        Hauptfenster->findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(1);
        // The greeting sounds whole before the refused start cuts it.
        QTimer::singleShot(1500, this, [this] {
            Kind<QCheckBox>("AutoStartCheckBox")->setChecked(false);
            Klicke("AutoStartCheckBox");
        });
        auto* Takt = new QTimer(this);
        connect(Takt, &QTimer::timeout, this, [this, Takt] { FuehreBesuch(Takt); });
        Takt->start(200);
    }

    void FuehreBesuch(QTimer* Takt)
    {
        const int Ablehnungen = int(Gehoert.count(QStringLiteral("einzahlen1.WAV")));
        if (Schritt == 0 && Ablehnungen == 1) {
            Schritt = 1;
            QMetaObject::invokeMethod(Kind<QWidget>("Button_10_Cent"), "Click",
                                      Qt::QueuedConnection);
        } else if (Schritt == 1 && Ablehnungen == 2) {
            Schritt = 2;
            QMetaObject::invokeMethod(Kind<QWidget>("Button_50_Euro"), "Click",
                                      Qt::QueuedConnection);
        } else if (Schritt == 2) {
            SpieleEinzeln(Takt);
        }
    }

    void SpieleEinzeln(QTimer* Takt)
    {
        auto* Automatik = Kind<QCheckBox>("AutoStartCheckBox");
        const bool Dreht = Kind<QWidget>("StartBtnGruen")->isVisible() ||
                           Kind<QWidget>("StopBtnGruen")->isVisible();
        if (Dreht) {
            Automatik->setChecked(false);
            if (!SpielLaeuft)
                ++Spiele;
            SpielLaeuft = true;
            Ruhe.invalidate();
            if (Kind<QWidget>("StopBtnGruen")->isVisible())
                Klicke("StopBtnGruen");
            return;
        }
        if (!Kind<QWidget>("GibMirMeinGeldBtn")->isEnabled()) {
            Ruhe.invalidate();
            return;
        }
        SpielLaeuft = false;
        if (!Ruhe.isValid())
            Ruhe.start();
        if (!Ruhe.hasExpired(1500))
            return;
        Ruhe.invalidate();
        const auto [Guthaben, Sonderspiele] = GuthabenUndSonderspiele();
        const bool PaarGehoert = Gehoert.contains(QStringLiteral("ups.WAV")) ||
                                 Gehoert.contains(QStringLiteral("gewonnen.WAV")) ||
                                 Gehoert.contains(QStringLiteral("Sonderspiele.WAV"));
        const bool Genug = Spiele >= 3 && PaarGehoert && Sonderspiele == 0;
        if ((Genug && MuenzenFuer(Guthaben) >= 4) || (Guthaben < 20 && Sonderspiele == 0)) {
            Takt->stop();
            Schreibe(QStringLiteral("Auszahlung %1").arg(Sekunden(), 0, 'f', 3));
            Klicke("GibMirMeinGeldBtn");
            return;
        }
        Klicke("AutoStartCheckBox");
    }

    TArt Art;
    QWidget* Hauptfenster = nullptr;
    QStringList Gehoert;
    int Schritt = 0;
    int Spiele = 0;
    bool SpielLaeuft = false;
    QElapsedTimer Ruhe;
};

class TFernbedienungsPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "fernbedienung.json")

public:
    QObject* create(const QString& Schluessel, const QString& Art) override
    {
        if (Art.startsWith(QLatin1String("passform")))
            return new TVermessung(Art.section(u':', 1));
        return Schluessel.compare(QLatin1String("vorlixfernbedienung"), Qt::CaseInsensitive) == 0
                   ? new TFernbedienung(
                         Art == QLatin1String("spiel")        ? TFernbedienung::TArt::Spiel
                         : Art == QLatin1String("besuch")     ? TFernbedienung::TArt::Besuch
                         : Art == QLatin1String("zweitstart") ? TFernbedienung::TArt::Zweitstart
                                                              : TFernbedienung::TArt::Name)
                   : nullptr;
    }
};

#include "Fernbedienung.moc"
