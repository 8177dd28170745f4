#pragma once

#include <QByteArray>
#include <functional>

// The processor's clock in MHz from what the system tells about it.
namespace Prozessortakt {

// The first "cpu MHz" entry of a /proc/cpuinfo text; 0 when there is none or it is no number.
double AusCpuinfo(const QByteArray& Text);

// A cpufreq value in kHz ("2400000\n") as MHz; 0 when it is no positive number.
double AusCpufreq(const QByteArray& Text);

// Counter ticks over a span of nanoseconds as MHz; 0 for a span of 0 or less.
double AusZaehler(quint64 Ticks, qint64 Nanosekunden);

// The rated clock, which does not follow the load: cpufreq's maximum (a text as AusCpufreq
// takes it), else the time-stamp counter's rate (Zaehler is asked only then), else the "cpu MHz"
// of a /proc/cpuinfo text, which shows the momentary clock; 0 when nothing yields a value.
double Waehle(const QByteArray& CpufreqMax, const std::function<double()>& Zaehler,
              const QByteArray& Cpuinfo);

// Waehle on this machine's files, counting the time-stamp counter over 10 ms if needed.
double Messen();

} // namespace Prozessortakt
