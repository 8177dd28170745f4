#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QLineEdit>
#include <sys/stat.h>

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

// What lies under the name, a link not followed: kind, inode, size and time of the last change.
QString Eintrag(const QString& Pfad)
{
    struct stat I = {};
    ::lstat(QFile::encodeName(Pfad).constData(), &I);
    return QString::asprintf("%o %lu %ld %ld.%ld", unsigned(I.st_mode), ulong(I.st_ino),
                             long(I.st_size), long(I.st_mtim.tv_sec), long(I.st_mtim.tv_nsec));
}

} // namespace

class TestMainFormSpeicher : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void fremderSpeicherBleibtUnberuehrt_data();
    void fremderSpeicherBleibtUnberuehrt();
    void gesperrterSpeicherBeendetDenStart_data();
    void gesperrterSpeicherBeendetDenStart();
};

void TestMainFormSpeicher::fremderSpeicherBleibtUnberuehrt_data()
{
    QTest::addColumn<bool>("Ini");
    QTest::addColumn<QString>("Art");
    for (const bool Ini : {true, false})
        for (const char* Art : {"Pipe", "Nullgeraet", "Riesig", "Verweis"})
            QTest::addRow("%s %s", Ini ? "Ini" : "Registrierung", Art) << Ini << QString(Art);
}

// Only a store behind a link to a regular file (a folder of dotfiles, say) is read, and written
// through the link. Of the others, the ini gives its defaults and stays as it is; the registry
// file is set aside as it is, and a new one takes the stores of the run.
void TestMainFormSpeicher::fremderSpeicherBleibtUnberuehrt()
{
    QFETCH(bool, Ini);
    QFETCH(QString, Art);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    const QString Pfad = Ini ? Welt.Pfad() + "Vorlix.ini" : RegPfad();
    QTemporaryDir Anderswo;
    const QString Ziel = Anderswo.filePath("gespeichert");
    const bool Verweis = Art == "Verweis";
    if (Art == "Pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(Pfad).constData(), 0600), 0);
    else if (Art == "Nullgeraet")
        QVERIFY(QFile::link("/dev/zero", Pfad));
    else if (Art == "Riesig") // readable, but far larger than any store
        SchreibeDatei(Pfad, (Ini ? IniText : RegText) + ';' + QByteArray(2 << 20, 'x') + '\n');
    else {
        SchreibeDatei(Ziel, Ini ? IniText : RegText);
        QVERIFY(QFile::link(Ziel, Pfad));
    }
    const QString Vorher = Eintrag(Pfad);

    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Fenster->Edit1->text(), QString(Ini && Verweis ? "Anna" : "Kein Name"));
    QCOMPARE(Fenster->KassenstandText, QString(!Ini && Verweis ? "12,34" : "0,00"));
    Fenster->Beenden();
    QCOMPARE(Welt.Prozessenden, 1);

    const bool Beiseite = !Ini && !Verweis;
    const QStringList Daneben = QFileInfo(Pfad).dir().entryList(
        {"*.defekt-*"}, QDir::AllEntries | QDir::System | QDir::Hidden);
    QCOMPARE(Daneben.size(), int(Beiseite));
    QCOMPARE(Welt.Meldungen.size(), int(Beiseite));
    QCOMPARE(Eintrag(Beiseite ? QFileInfo(Pfad).dir().filePath(Daneben.value(0)) : Pfad), Vorher);
    if (Beiseite)
        QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("0 00"));
    if (Verweis)
        QVERIFY(LiesDatei(Ziel).contains(Ini ? "Spieldauer=8" : "\"InstallPfad\"="));
}

void TestMainFormSpeicher::gesperrterSpeicherBeendetDenStart_data()
{
    QTest::addColumn<bool>("Ini");
    QTest::newRow("Registrierung") << false;
    QTest::newRow("Ini") << true;
}

// Another program holds the lock and does not let go: the player hears which file it is.
void TestMainFormSpeicher::gesperrterSpeicherBeendetDenStart()
{
    QFETCH(bool, Ini);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nFormScalieren=1\n"); // the first start stores "ScaleBy"
    const QString Pfad = Ini ? Welt.Pfad() + "Vorlix.ini" : RegPfad();
    const QByteArray Vorher = LiesDatei(Pfad);
    const Dateien::TDateiSperre Sperre(Pfad); // a descriptor of its own: the window waits
    QCOMPARE(Sperre.Ergebnis(), Dateien::ErfolgOk);

    auto Fenster = Welt.NeuesFenster();
    Fenster->show();
    QTRY_COMPARE(Welt.Prozessenden, 1);
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Text.section('\n', 0, 0),
             "Die Datei „" + Pfad + "“ ist von einem anderen Programm gesperrt.");
    Fenster.reset();
    QCOMPARE(LiesDatei(Pfad), Vorher);
}

VORLIX_TEST_MAIN(TestMainFormSpeicher)
#include "tst_mainform_speicher.moc"
