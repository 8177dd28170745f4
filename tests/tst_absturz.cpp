// A program that writes the settings store is killed at random moments: the store must read back
// whole, hold the last value whose write had returned or the one being written, and the next
// write must leave no temporary file behind.

#include "support/Registrierung.h"
#include "tests/testmain.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtEndian>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace Dateien;
using namespace Registrierung;

namespace {

const QString Wurzel = QStringLiteral("HKEY_CURRENT_USER");

quint32 Zaehlerstand()
{
    TRegWert Wert;
    if (TRegistrierungsDatei(Wurzel).LiesWert("Software", "Zaehler", Wert) != ErfolgOk)
        return 0;
    return qFromLittleEndian<quint32>(Wert.Daten.constData());
}

// The child: counts on from the stored value and reports each write that has returned.
[[noreturn]] void Schreibe(int Meldeweg)
{
    TRegistrierungsDatei Datei(Wurzel);
    for (quint32 Wert = Zaehlerstand() + 1;; ++Wert) {
        if (Datei.SchreibeWert("Software", TRegWert::Dword("Zaehler", Wert)) != ErfolgOk)
            ::_exit(2);
        if (::write(Meldeweg, &Wert, sizeof Wert) != sizeof Wert)
            ::_exit(3);
    }
}

// The last value the child reported before it died; Vorher when it reported none.
quint32 ZuletztGemeldet(int Meldeweg, quint32 Vorher)
{
    quint32 Wert = 0;
    while (::read(Meldeweg, &Wert, sizeof Wert) == sizeof Wert)
        Vorher = Wert;
    return Vorher;
}

} // namespace

class TestAbsturz : public QObject
{
    Q_OBJECT

private slots:
    void abgebrochenerSchreiberHinterlaesstGanzenSpeicher();
};

void TestAbsturz::abgebrochenerSchreiberHinterlaesstGanzenSpeicher()
{
    const QString Pfad = TRegistrierungsDatei(Wurzel).Pfad();
    QVERIFY(QDir().mkpath(TRegistrierungsDatei::Ordner()));
    QStringList Meldungen;
    TRegistrierungsDatei Pruefer(Wurzel, [&](const QString& Text) { Meldungen << Text; });
    int Unterbrochen = 0;
    for (int Runde = 0; Runde < 200; ++Runde) {
        const quint32 Vorher = Zaehlerstand();
        int Weg[2];
        QCOMPARE(::pipe(Weg), 0);
        const pid_t Kind = ::fork();
        QVERIFY(Kind >= 0);
        if (Kind == 0) {
            ::close(Weg[0]);
            Schreibe(Weg[1]);
        }
        ::close(Weg[1]);
        ::usleep(QRandomGenerator::global()->bounded(100u, 4000u));
        ::kill(Kind, SIGKILL);
        int Status = 0;
        QCOMPARE(::waitpid(Kind, &Status, 0), Kind);
        QVERIFY2(WIFSIGNALED(Status), "the writer stopped by itself");
        const quint32 Gemeldet = ZuletztGemeldet(Weg[0], Vorher);
        ::close(Weg[0]);

        TRegWert Wert;
        const quint32 Gelesen = Pruefer.LiesWert("Software", "Zaehler", Wert) == ErfolgOk
                                    ? qFromLittleEndian<quint32>(Wert.Daten.constData())
                                    : 0;
        QVERIFY2(Gelesen == Gemeldet || Gelesen == Gemeldet + 1,
                 qPrintable(QStringLiteral("Runde %1: gelesen %2, gemeldet %3")
                                .arg(Runde)
                                .arg(Gelesen)
                                .arg(Gemeldet)));
        QVERIFY2(Meldungen.isEmpty(), qPrintable(Meldungen.join('\n')));

        const bool TempDaneben = QDir(TRegistrierungsDatei::Ordner())
                                     .entryList({"*.tmp-*"}, QDir::Files | QDir::Hidden)
                                     .size() > 0;
        Unterbrochen += TempDaneben ? 1 : 0;
        QCOMPARE(Pruefer.SchreibeWert("Software", TRegWert::Dword("Runde", quint32(Runde))),
                 ErfolgOk);
        QCOMPARE(QDir(TRegistrierungsDatei::Ordner()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(Pfad).fileName()});
    }
    qInfo("%d of 200 writers were killed between their temporary file and its rename",
          Unterbrochen);
}

VORLIX_TEST_GUILESS_MAIN(TestAbsturz)
#include "tst_absturz.moc"
