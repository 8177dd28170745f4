#include "core/Prozessortakt.h"

#include <QElapsedTimer>
#include <QFile>
#include <QList>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define VORLIX_MIT_TSC 1
#endif

namespace {

QByteArray LiesDatei(const char* Pfad)
{
    QFile Datei{QString::fromLatin1(Pfad)};
    if (!Datei.open(QIODevice::ReadOnly))
        return {};
    // Files under /proc report no size; read until the end.
    return Datei.readAll();
}

double ZaehleTsc()
{
#ifdef VORLIX_MIT_TSC
    QElapsedTimer Uhr;
    Uhr.start();
    const quint64 Anfang = __rdtsc();
    while (Uhr.nsecsElapsed() < 10'000'000) {
    }
    const quint64 Ende = __rdtsc();
    return Prozessortakt::AusZaehler(Ende - Anfang, Uhr.nsecsElapsed());
#else
    return 0.0;
#endif
}

} // namespace

namespace Prozessortakt {

double AusCpuinfo(const QByteArray& Text)
{
    for (const QByteArray& Zeile : Text.split('\n')) {
        const int Trenner = Zeile.indexOf(':');
        if (Trenner < 0 || Zeile.left(Trenner).trimmed() != "cpu MHz")
            continue;
        bool Ok = false;
        const double Wert = Zeile.mid(Trenner + 1).trimmed().toDouble(&Ok);
        return Ok && Wert > 0 ? Wert : 0.0;
    }
    return 0.0;
}

double AusCpufreq(const QByteArray& Text)
{
    bool Ok = false;
    const qlonglong KHz = Text.trimmed().toLongLong(&Ok);
    return Ok && KHz > 0 ? static_cast<double>(KHz) / 1000.0 : 0.0;
}

double AusZaehler(quint64 Ticks, qint64 Nanosekunden)
{
    if (Nanosekunden <= 0)
        return 0.0;
    return static_cast<double>(Ticks) * 1000.0 / static_cast<double>(Nanosekunden);
}

double Waehle(const QByteArray& CpufreqMax, const std::function<double()>& Zaehler,
              const QByteArray& Cpuinfo)
{
    if (const double Mhz = AusCpufreq(CpufreqMax); Mhz > 0)
        return Mhz;
    if (const double Mhz = Zaehler(); Mhz > 0)
        return Mhz;
    return AusCpuinfo(Cpuinfo);
}

double Messen()
{
    return Waehle(LiesDatei("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq"), ZaehleTsc,
                  LiesDatei("/proc/cpuinfo"));
}

} // namespace Prozessortakt
