#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QLineEdit>
#include <sys/stat.h>
#include <unistd.h>

using namespace Testhilfe;

namespace {

const QByteArray IniText = "[Einstellungen]\nSpielerName=Anna\n";
const QByteArray RegText = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\System\\"
                           "CurrentControlSet\\Services\\WinKasse]\n\"KA\"=\"12 34\"\n";

QString RegPfad()
{
    QDir().mkpath(Registrierung::TRegistrierungsDatei::Ordner());
    return Registrierung::TRegistrierungsDatei(QStringLiteral("HKEY_CURRENT_USER")).Pfad();
}

QByteArray Inhalt(const QString& Pfad)
{
    QFile Datei(Pfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray("<fehlt>");
}

void Schreibe(const QString& Pfad, const QByteArray& Bytes)
{
    QFile Datei(Pfad);
    QVERIFY(Datei.open(QIODevice::WriteOnly) && Datei.write(Bytes) == Bytes.size());
}

// What lies under the name, a link not followed: kind, inode, size and time of the last change.
QString Eintrag(const QString& Pfad)
{
    struct stat Info = {};
    if (::lstat(QFile::encodeName(Pfad).constData(), &Info) != 0)
        return QStringLiteral("<fehlt>");
    return QStringLiteral("%1 %2 %3 %4.%5")
        .arg(Info.st_mode & S_IFMT)
        .arg(Info.st_ino)
        .arg(Info.st_size)
        .arg(Info.st_mtim.tv_sec)
        .arg(Info.st_mtim.tv_nsec);
}

} // namespace

class TestMainFormSpeicher : public QObject
{
    Q_OBJECT

private slots:
    void init() { Zeitraffer::SetzeFaktor(0.01); }
    void cleanup() { Zeitraffer::SetzeFaktor(1.0); }

    void unlesbarerSpeicherBleibtUnberuehrt_data();
    void unlesbarerSpeicherBleibtUnberuehrt();
    void speicherAlsVerweisBleibtVerweis_data();
    void speicherAlsVerweisBleibtVerweis();
    void gesperrterSpeicherWirdNichtGeschrieben_data();
    void gesperrterSpeicherWirdNichtGeschrieben();
};

void TestMainFormSpeicher::unlesbarerSpeicherBleibtUnberuehrt_data()
{
    QTest::addColumn<bool>("Ini");
    QTest::addColumn<QString>("Art");
    for (const bool Ini : {true, false})
        for (const char* Art : {"Pipe", "Nullgeraet", "Riesig"})
            QTest::addRow("%s %s", Ini ? "Ini" : "Registrierung", Art) << Ini << QString(Art);
}

// The ini gives its defaults and stays as it is; the registry file is set aside as it is, and a
// new one takes the stores of the run.
void TestMainFormSpeicher::unlesbarerSpeicherBleibtUnberuehrt()
{
    QFETCH(bool, Ini);
    QFETCH(QString, Art);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    const QString Pfad = Ini ? Welt.Pfad() + "Vorlix.ini" : RegPfad();
    const QByteArray Name = QFile::encodeName(Pfad);
    if (Art == "Pipe")
        QCOMPARE(::mkfifo(Name.constData(), 0600), 0);
    else if (Art == "Nullgeraet")
        QCOMPARE(::symlink("/dev/zero", Name.constData()), 0);
    else // readable, but far larger than any store
        Schreibe(Pfad, (Ini ? IniText : RegText) + ';' + QByteArray(2 << 20, 'x') + '\n');
    const QString Vorher = Eintrag(Pfad);

    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Fenster->Edit1->text(), QString("Kein Name"));
    QCOMPARE(Fenster->KassenstandText, QString("0,00"));
    Fenster->Beenden();
    QCOMPARE(Welt.Prozessenden, 1);

    const QStringList Beiseite = QFileInfo(Pfad).dir().entryList(
        {"*.defekt-*"}, QDir::AllEntries | QDir::System | QDir::Hidden);
    QCOMPARE(Beiseite.size(), Ini ? 0 : 1);
    QCOMPARE(Welt.Meldungen.size(), Ini ? 0 : 1);
    QCOMPARE(Eintrag(Ini ? Pfad : QFileInfo(Pfad).dir().filePath(Beiseite.value(0))), Vorher);
    if (!Ini)
        QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("0 00"));
}

void TestMainFormSpeicher::speicherAlsVerweisBleibtVerweis_data()
{
    QTest::addColumn<bool>("Ini");
    QTest::newRow("Ini") << true;
    QTest::newRow("Registrierung") << false;
}

// A store kept elsewhere (a folder of dotfiles) is read and written through its link.
void TestMainFormSpeicher::speicherAlsVerweisBleibtVerweis()
{
    QFETCH(bool, Ini);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    const QString Pfad = Ini ? Welt.Pfad() + "Vorlix.ini" : RegPfad();
    QTemporaryDir Anderswo;
    const QString Ziel = Anderswo.filePath("gespeichert");
    Schreibe(Ziel, Ini ? IniText : RegText);
    QVERIFY(QFile::link(Ziel, Pfad));

    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Ini ? Fenster->Edit1->text() : Fenster->KassenstandText,
             QString(Ini ? "Anna" : "12,34"));
    Fenster->Beenden();

    QCOMPARE(QFileInfo(Pfad).symLinkTarget(), Ziel);
    QVERIFY(Inhalt(Ziel).contains(Ini ? "Spieldauer=8" : "\"InstallPfad\"="));
    QCOMPARE(QDir(Anderswo.path()).entryList(QDir::Files | QDir::Hidden), {"gespeichert"});
}

void TestMainFormSpeicher::gesperrterSpeicherWirdNichtGeschrieben_data()
{
    QTest::addColumn<bool>("Ini");
    QTest::addColumn<bool>("BeimStart");
    QTest::newRow("Registrierung beim Start") << false << true;
    QTest::newRow("Ini beim Start") << true << true;
    QTest::newRow("Registrierung beim Beenden") << false << false;
}

// Another program holds the lock and does not let go: the player hears which file it is.
void TestMainFormSpeicher::gesperrterSpeicherWirdNichtGeschrieben()
{
    QFETCH(bool, Ini);
    QFETCH(bool, BeimStart);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nFormScalieren=1\n"); // the first start stores "ScaleBy"
    const QString Pfad = Ini ? Welt.Pfad() + "Vorlix.ini" : RegPfad();
    std::unique_ptr<TMainForm> Fenster;
    if (!BeimStart) {
        Fenster = Welt.NeuesFenster();
        QVERIFY(Starte(*Fenster));
    }
    const QByteArray Vorher = Inhalt(Pfad);
    const Registrierung::TDateiSperre Sperre(Pfad); // a descriptor of its own: the window waits
    QCOMPARE(Sperre.Ergebnis(), Registrierung::ErfolgOk);

    if (BeimStart) {
        Fenster = Welt.NeuesFenster();
        Fenster->show();
    } else {
        Fenster->Beenden();
    }
    QTRY_COMPARE(Welt.Prozessenden, 1);
    QCOMPARE(Welt.Meldungen.size(), 1);
    QVERIFY2(Welt.Meldungen[0].Text.contains("„" + Pfad +
                                             "“ ist von einem anderen Programm "
                                             "gesperrt"),
             qPrintable(Welt.Meldungen[0].Text));
    Fenster.reset();
    QCOMPARE(Inhalt(Pfad), Vorher);
}

VORLIX_TEST_MAIN(TestMainFormSpeicher)
#include "tst_mainform_speicher.moc"
