// One machine per player: a second copy started against the same folders, while the first plays,
// has the first tell the player and ends without a window of its own and without touching the
// registry file, the ini file, the log or the journal; the first plays on and keeps its books.

#include "core/Programmstart.h"
#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QProcess>
#include <QTimer>
#include <cstdio>

using namespace Testhilfe;

namespace {

// The second copy's message boxes go to its standard output.
class TAusgegebeneMeldungen : public IMeldungen
{
public:
    QMessageBox::StandardButton Zeige(QWidget*, QMessageBox::Icon, const QString& Text,
                                      QMessageBox::StandardButtons) override
    {
        std::printf("Meldung: %s\n", Text.toUtf8().constData());
        std::fflush(stdout);
        return QMessageBox::Ok;
    }
};

// Every file below the folders with its contents and time of change.
QStringList Dateistand(const QStringList& Ordner)
{
    QStringList Stand;
    for (const QString& Wurzel : Ordner) {
        QDirIterator Dateien(Wurzel, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (Dateien.hasNext()) {
            const QString Pfad = Dateien.next();
            QFile Datei(Pfad);
            Datei.open(QIODevice::ReadOnly);
            Stand << Pfad + u' ' + Dateien.fileInfo().lastModified().toString(Qt::ISODateWithMs) +
                         u' ' + QString::fromLatin1(Datei.readAll().toBase64());
        }
    }
    Stand.sort();
    return Stand;
}

} // namespace

class TestEinzelstart : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void zweiteKopieEndetOhneEtwasZuSchreiben();
};

void TestEinzelstart::zweiteKopieEndetOhneEtwasZuSchreiben()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nSpieldauer=1\n");
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "100 00");
    const QStringList Ordner = {Welt.Konfigurationsordner(), Welt.Zustandsordner(), Welt.Pfad()};

    QStringList Vorher, Nachher;
    QString Ausgabe;
    int Rueckgabe = -1;
    bool Weitergespielt = false;
    // Every game loses (one, two, lemon), so the Euro is five short games whatever the luck, also
    // on a slow machine.
    Welt.Zufall = [](int n) { return n == 60 ? 2 : 0; };
    TMainFormUmgebung Umgebung = Welt.Fensterumgebung();
    Umgebung.Programmordner = Welt.Pfad();
    Umgebung.ProzessEnde = [&Welt] {
        ++Welt.Prozessenden;
        QCoreApplication::exit(0);
    };
    const auto Spiele = [&](TMainForm& Fenster) {
        QObject::connect(&Fenster, &TMainForm::StartAbgeschlossen, &Fenster, [&] {
            QTimer::singleShot(0, &Fenster, [&] {
                // A deposit played, so the journal is there too; its games wait for the second.
                Fenster.AutoStartCheckBox->setChecked(false);
                QTest::mouseClick(Fenster.Button_1_Euro, Qt::LeftButton);
                Vorher = Dateistand(Ordner);
                QProcess Zweite;
                Zweite.setWorkingDirectory(Welt.Pfad());
                Zweite.start(QCoreApplication::applicationFilePath(), {"zweite-kopie"});
                // The first copy answers from its event loop.
                if (!QTest::qWaitFor([&] { return Zweite.state() == QProcess::NotRunning; }, 20000))
                    Zweite.kill();
                Zweite.waitForFinished();
                Ausgabe = QString::fromUtf8(Zweite.readAllStandardOutput());
                Rueckgabe = Zweite.exitStatus() == QProcess::NormalExit ? Zweite.exitCode() : -2;
                Nachher = Dateistand(Ordner);
                Fenster.AutoStartCheckBox->setChecked(true);
                Fenster.AutoStartCheckBoxClick();
                // The 1 Euro plays on to its end; then one more coin.
                Weitergespielt =
                    QTest::qWaitFor([&] { return Fenster.NichtBedienbarImage->isHidden(); }, 30000);
                QTest::mouseClick(Fenster.Button_1_Euro, Qt::LeftButton);
                QTest::keyClick(&Fenster, Qt::Key_Escape);
            });
        });
    };
    QCOMPARE(Programmstart::Lauf(std::move(Umgebung), Spiele), 0);

    QCOMPARE(Rueckgabe, 0);
    QCOMPARE(Ausgabe, QString());
    QCOMPARE(Welt.Meldungen.size(), 1); // shown by the first copy
    QVERIFY(Vorher.filter("/Besuch.json ").size() == 1);
    QCOMPARE(Nachher, Vorher);
    // The first copy went on and ended with both deposits in its books.
    QVERIFY(Weitergespielt);
    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("102 00"));
}

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "zweite-kopie") == 0) {
        QApplication Anwendung(argc, argv);
        TMainFormUmgebung Umgebung;
        Umgebung.Meldungen = std::make_unique<TAusgegebeneMeldungen>();
        return Programmstart::Lauf(std::move(Umgebung));
    }
    Testhilfe::EigenerKonfigOrdner();
    QApplication Anwendung(argc, argv);
    TestEinzelstart Test;
    return QTest::qExec(&Test, argc, argv);
}

#include "tst_einzelstart.moc"
