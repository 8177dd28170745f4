#include "support/Zeitraffer.h"

#include <QThread>
#include <QTimer>
#include <cmath>

namespace {
double AktuellerFaktor = 1.0;
}

namespace Zeitraffer {

void SetzeFaktor(double Faktor)
{
    if (Faktor > 0.0)
        AktuellerFaktor = Faktor;
}

double Faktor()
{
    return AktuellerFaktor;
}

int Dauer(int Millisekunden)
{
    if (Millisekunden <= 0)
        return Millisekunden;
    const double Skaliert = std::round(Millisekunden * AktuellerFaktor);
    return Skaliert < 1.0 ? 1 : static_cast<int>(Skaliert);
}

void SetzeIntervall(QTimer& Timer, int Millisekunden)
{
    Timer.setInterval(Dauer(Millisekunden));
}

void Einschalten(QTimer& Timer)
{
    if (!Timer.isActive())
        Timer.start();
}

void Starte(QTimer& Timer, int Millisekunden)
{
    SetzeIntervall(Timer, Millisekunden);
    Timer.start();
}

void Schlafe(int Millisekunden)
{
    const int Dauer = Zeitraffer::Dauer(Millisekunden);
    if (Dauer > 0)
        QThread::msleep(static_cast<unsigned long>(Dauer));
}

} // namespace Zeitraffer
