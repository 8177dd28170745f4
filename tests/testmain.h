#pragma once

// The main function of every test program. Before anything else it gives the program a config
// folder and a state folder of its own, so a test started by hand, by CTest or by a debugger never
// sees or changes the player's stored state or the journal of a visit; the folders are removed
// again when the program ends. Also what many tests share: the time-lapse of their cases and
// whole files read and written.

#include "support/Zeitraffer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace Testhilfe {

// The base of a test class whose cases run at Faktor times the real durations; after each case
// the machine runs in real time again, whatever factor the case set.
class TZeitrafferTest : public QObject
{
    Q_OBJECT

public:
    explicit TZeitrafferTest(double Faktor = 0.01) : Faktor(Faktor) {}

private slots:
    void init() { Zeitraffer::SetzeFaktor(Faktor); }
    void cleanup() { Zeitraffer::SetzeFaktor(1.0); }

private:
    double Faktor;
};

// The whole file; Fehlt when it cannot be read.
inline QByteArray LiesDatei(const QString& Pfad, const QByteArray& Fehlt = "<fehlt>")
{
    QFile Datei(Pfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : Fehlt;
}

// The file holds Bytes and nothing else, its folder made where missing; a failure fails the test.
inline void SchreibeDatei(const QString& Pfad, const QByteArray& Bytes)
{
    QDir().mkpath(QFileInfo(Pfad).absolutePath());
    QFile Datei(Pfad);
    QVERIFY(Datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(Datei.write(Bytes) == Bytes.size());
}

// Runs Aktion while no file may grow beyond Bytes: a write fails as on a full disk, even for a
// user whom no permission stops.
inline void MitDateigrenze(qint64 Bytes, const std::function<void()>& Aktion)
{
    const auto AlterSignalwert = std::signal(SIGXFSZ, SIG_IGN);
    rlimit Alt{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &Alt), 0);
    rlimit Eng = Alt;
    Eng.rlim_cur = rlim_t(Bytes);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &Eng), 0);
    Aktion();
    setrlimit(RLIMIT_FSIZE, &Alt);
    std::signal(SIGXFSZ, AlterSignalwert);
}

inline void EigenerKonfigOrdner()
{
    static QTemporaryDir Konfig(QDir::tempPath() + QStringLiteral("/vorlix-test-config-XXXXXX"));
    static QTemporaryDir Zustand(QDir::tempPath() + QStringLiteral("/vorlix-test-state-XXXXXX"));
    if (!Konfig.isValid() || !Zustand.isValid())
        qFatal("Kein eigener Konfigurations- oder Zustandsordner für den Test");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Konfig.path()));
    qputenv("XDG_STATE_HOME", QFile::encodeName(Zustand.path()));
}

} // namespace Testhilfe

// Declares Name, the path of the picture generator this build made; in a build without the
// generator the test is skipped.
#ifdef VORLIX_GENERATOR
#define VORLIX_GENERATOR_ODER_SKIP(Name) const QString Name = QStringLiteral(VORLIX_GENERATOR)
#else
#define VORLIX_GENERATOR_ODER_SKIP(Name)                                                           \
    QSKIP("built without the picture generator");                                                  \
    const QString Name
#endif

// A test that cannot run here (a tool or a package is missing) is skipped on a developer's
// machine but fails in CI, where everything must be there.
#define VORLIX_SKIP_AUSSER_CI(Grund)                                                               \
    do {                                                                                           \
        if (qgetenv("CI") == "true")                                                               \
            QFAIL(Grund);                                                                          \
        QSKIP(Grund);                                                                              \
    } while (false)

#define VORLIX_TEST_MAIN(Klasse)                                                                   \
    QTEST_MAIN_WRAPPER(Klasse, Testhilfe::EigenerKonfigOrdner(); QTEST_MAIN_SETUP())
#define VORLIX_TEST_GUILESS_MAIN(Klasse)                                                           \
    QTEST_MAIN_WRAPPER(Klasse, Testhilfe::EigenerKonfigOrdner(); QTEST_QAPP_SETUP(QCoreApplication))
