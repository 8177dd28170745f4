#pragma once

// The main function of every test program. Before anything else it gives the program a config
// folder and a state folder of its own, so a test started by hand, by CTest or by a debugger never
// sees or changes the player's stored state or the journal of a visit; the folders are removed
// again when the program ends.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace Testhilfe {

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
