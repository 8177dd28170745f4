// The program folder: a machine whose folder the player may not write to works from the player's
// own folder and takes its sounds and help from the installed one.
#include "core/Programmordner.h"
#include "mainform_testhilfe.h"
#include "tests/testmain.h"

#include <QLineEdit>
#include <sys/stat.h>

namespace {

const QFileDevice::Permissions NurLesen = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther;
const QFileDevice::Permissions Beschreibbar = NurLesen | QFileDevice::WriteOwner;

void LegeAn(const QString& Pfad, const QByteArray& Inhalt = "x")
{
    QFile Datei(Pfad);
    QVERIFY(Datei.open(QIODevice::WriteOnly));
    Datei.write(Inhalt);
}

} // namespace

class TestProgrammordner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void beschreibbarNachDenRechtenDesBenutzers_data();
    void beschreibbarNachDenRechtenDesBenutzers();
    void nurLesbarerOrdnerFuehrtInDenSpielerordner_data();
    void nurLesbarerOrdnerFuehrtInDenSpielerordner();
    void fensterSpieltUndHilftAusDemInstalliertenOrdner();

private:
    std::unique_ptr<QTemporaryDir> Daten;
    std::unique_ptr<QTemporaryDir> Installiert;
    QString Programmordner;
    QString Vorher;
};

void TestProgrammordner::init()
{
    Vorher = QDir::currentPath();
    Daten = std::make_unique<QTemporaryDir>();
    Installiert = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(Daten->path()));
    Programmordner = Installiert->path() + QStringLiteral("/lib/vorlix");
    QVERIFY(QDir().mkpath(Programmordner));
}

void TestProgrammordner::cleanup()
{
    QFile::setPermissions(Programmordner, Beschreibbar);
    QDir::setCurrent(Vorher);
    Installiert.reset();
    Daten.reset();
}

void TestProgrammordner::beschreibbarNachDenRechtenDesBenutzers_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<bool>("beschreibbar");
    // The bits count for root as well: an installed folder stays untouched whoever plays.
    QTest::newRow("eigener Ordner") << "beschreibbar" << true;
    QTest::newRow("nur lesbar") << "nurLesen" << false;
    QTest::newRow("fehlt") << "fehlt" << false;
}

void TestProgrammordner::beschreibbarNachDenRechtenDesBenutzers()
{
    QFETCH(QString, art);
    QFETCH(bool, beschreibbar);
    QString Pfad = Programmordner;
    if (art == "nurLesen")
        QVERIFY(QFile::setPermissions(Pfad, NurLesen));
    else if (art == "fehlt")
        Pfad += QStringLiteral("/fehlt");

    QCOMPARE(Programmordner::IstBeschreibbar(Pfad), beschreibbar);
}

void TestProgrammordner::nurLesbarerOrdnerFuehrtInDenSpielerordner_data()
{
    QTest::addColumn<bool>("nurLesen");
    QTest::addColumn<QByteArray>("spielerIni");  // already in the player's folder; empty: none
    QTest::addColumn<QByteArray>("erwartet");    // the player's Vorlix.ini afterwards
    QTest::addColumn<QByteArray>("installiert"); // "Pipe": a named pipe without a writer
    const QByteArray Installiert = "installiert";
    QTest::newRow("beschreibbar: alles bleibt")
        << false << QByteArray() << QByteArray() << Installiert;
    QTest::newRow("erster Start: Kopie") << true << QByteArray() << Installiert << Installiert;
    QTest::newRow("eigene bleibt")
        << true << QByteArray("eigene") << QByteArray("eigene") << Installiert;
    QTest::newRow("installierte ist eine Pipe")
        << true << QByteArray() << QByteArray() << QByteArray("Pipe");
}

void TestProgrammordner::nurLesbarerOrdnerFuehrtInDenSpielerordner()
{
    QFETCH(bool, nurLesen);
    QFETCH(QByteArray, spielerIni);
    QFETCH(QByteArray, erwartet);
    QFETCH(QByteArray, installiert);
    const QString Spielerordner = Daten->path() + QStringLiteral("/Vorlix");
    const QByteArray Installiert =
        QFile::encodeName(Programmordner + QStringLiteral("/Vorlix.ini"));
    if (installiert == "Pipe")
        QCOMPARE(::mkfifo(Installiert.constData(), 0600), 0);
    else
        LegeAn(QFile::decodeName(Installiert), installiert);
    if (!spielerIni.isEmpty()) {
        QVERIFY(QDir().mkpath(Spielerordner));
        LegeAn(Spielerordner + QStringLiteral("/Vorlix.ini"), spielerIni);
    }
    if (nurLesen)
        QVERIFY(QFile::setPermissions(Programmordner, NurLesen));

    const Programmordner::TOrdner Ordner = Programmordner::Bestimme(Programmordner);

    QCOMPARE(Ordner.Arbeitsordner, nurLesen ? Spielerordner : QString());
    QCOMPARE(Ordner.Installordner, nurLesen ? Programmordner : QString());
    QCOMPARE(Testhilfe::LiesDatei(Spielerordner + QStringLiteral("/Vorlix.ini"), {}), erwartet);
}

void TestProgrammordner::fensterSpieltUndHilftAusDemInstalliertenOrdner()
{
    Testhilfe::TUmgebung Welt;
    LegeAn(Programmordner + QStringLiteral("/Vorlix"));
    LegeAn(Programmordner + QStringLiteral("/Muenze.WAV"));
    LegeAn(Programmordner + QStringLiteral("/Vorlix-Hilfe.pdf"));
    LegeAn(Programmordner + QStringLiteral("/Vorlix.ini"),
           "[Einstellungen]\r\nSpielerName=Anna\r\n");
    QVERIFY(QFile::setPermissions(Programmordner, NurLesen));
    const QString Spielerordner = Daten->path() + QStringLiteral("/Vorlix/");

    TMainFormUmgebung Umgebung;
    QList<Testhilfe::TMeldung> Meldungen;
    QStringList Gespielt;
    QList<QUrl> Geoeffnet;
    int Prozessenden = 0;
    Umgebung.Meldungen = std::make_unique<Testhilfe::TAufzeichnendeMeldungen>(Meldungen);
    Umgebung.Tonausgabe = std::make_unique<Testhilfe::TAufzeichnendeTonausgabe>(Gespielt, true);
    Umgebung.Bildschirm = [] { return QSize(1600, 900); };
    Umgebung.Oeffner = [&](const QUrl& Adresse) {
        Geoeffnet.append(Adresse);
        return true;
    };
    Umgebung.ProzessEnde = [&] { ++Prozessenden; };
    Umgebung.Programmordner = Programmordner;
    TMainForm Fenster(std::move(Umgebung));
    QVERIFY(Testhilfe::Starte(Fenster));

    QCOMPARE(Fenster.IniDatei, Spielerordner + QStringLiteral("Vorlix.ini"));
    QCOMPARE(Fenster.Edit1->text(), QStringLiteral("Anna"));
    QCOMPARE(Gespielt, QStringList{Programmordner + QStringLiteral("/Muenze.WAV")});
    Fenster.HilfeButtonClick();
    QCOMPARE(Geoeffnet, QList<QUrl>{QUrl::fromLocalFile(Programmordner +
                                                        QStringLiteral("/Vorlix-Hilfe.pdf"))});
    // The player's folder is no program folder to remember.
    QCOMPARE(Testhilfe::LiesRegistry(Testhilfe::InstallSchluessel, QStringLiteral("InstallPfad")),
             QStringLiteral("<fehlt>"));
    QCOMPARE(Meldungen.size(), 0);
}

VORLIX_TEST_MAIN(TestProgrammordner)
#include "tst_programmordner.moc"
