#pragma once

// The main function of every test program. Before anything else it gives the program a config
// folder of its own, so a test started by hand, by CTest or by a debugger never sees or changes
// the player's stored state; the folder is removed again when the program ends.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace Testhilfe {

inline void EigenerKonfigOrdner()
{
    static QTemporaryDir Konfig(QDir::tempPath() + QStringLiteral("/vorlix-test-config-XXXXXX"));
    if (!Konfig.isValid())
        qFatal("Kein eigener Konfigurationsordner für den Test");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Konfig.path()));
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
