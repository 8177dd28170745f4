// A shorter round of the crash tool: a real window process is killed with SIGKILL ten times, the
// targets taken in turn from the phases of its visit, and each time the next start restores the
// visit, pays it out and ends with the books right (tools/absturzlauf runs the full count).

#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "tools/Absturzlauf.h"

using namespace Testhilfe;

class TestAbsturzBesuch : public QObject
{
    Q_OBJECT

private slots:
    void getoeteterBesuchGehtBeimNaechstenStartWeiter();
};

void TestAbsturzBesuch::getoeteterBesuchGehtBeimNaechstenStartWeiter()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni(
        "[Einstellungen]\r\nSound=0\r\nSpieldauer=1\r\nGeschwindigkeitAuszahlung=5\r\n");
    const Absturzlauf::TErgebnis Ergebnis =
        Absturzlauf::Laufe(QCoreApplication::applicationFilePath(), 10,
                           [](const QString& Zeile) { qInfo("%s", qPrintable(Zeile)); });
    QVERIFY2(Ergebnis.Fehler.isEmpty(), qPrintable(Ergebnis.Fehler.join(u'\n')));
    QCOMPARE(Ergebnis.Abbrueche, 10);
    QVERIFY(Ergebnis.Wiederhergestellt > 0);
}

int main(int argc, char* argv[])
{
    if (const auto Rolle = Absturzlauf::SpieleRolle(argc, argv))
        return *Rolle;
    Testhilfe::EigenerKonfigOrdner();
    QApplication Anwendung(argc, argv);
    TestAbsturzBesuch Test;
    return QTest::qExec(&Test, argc, argv);
}

#include "tst_absturzbesuch.moc"
