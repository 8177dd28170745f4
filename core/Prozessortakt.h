#pragma once

#include <QByteArray>

// The processor's clock in MHz from what the system tells about it.
namespace Prozessortakt {

// The first "cpu MHz" entry of a /proc/cpuinfo text; 0 when there is none or it is no number.
double AusCpuinfo(const QByteArray& Text);

// A cpufreq value in kHz ("2400000\n") as MHz; 0 when it is no positive number.
double AusCpufreq(const QByteArray& Text);

// Counter ticks over a span of nanoseconds as MHz; 0 for a span of 0 or less.
double AusZaehler(quint64 Ticks, qint64 Nanosekunden);

// The clock from /proc/cpuinfo, else from cpufreq, else by counting the time-stamp counter
// over 10 ms; 0 when nothing yields a value.
double Messen();

} // namespace Prozessortakt
