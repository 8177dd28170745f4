#include "support/Machpaus.h"

#include "support/Zeitraffer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

TMachPause::TMachPause(QObject* Owner) : QObject(Owner), Timer(new QTimer(this))
{
    Timer->setSingleShot(true);
    Timer->setTimerType(Qt::PreciseTimer);
    connect(Timer, &QTimer::timeout, this, [this] { Fertig = true; });
}

TMachPause::~TMachPause() = default;

int TMachPause::Interval() const
{
    return IntervallMs;
}

void TMachPause::SetInterval(int Millisekunden)
{
    IntervallMs = Millisekunden;
}

void TMachPause::Pause(int Millisekunden)
{
    if (Millisekunden <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    if (Millisekunden != IntervallMs)
        SetInterval(Millisekunden);
    WarteMitAktuellemIntervall();
}

void TMachPause::WarteMitAktuellemIntervall()
{
    Fertig = false;
    Zeitraffer::Starte(*Timer, IntervallMs); // afresh: the tick is a whole interval away
    while (!Fertig)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    Timer->stop();
}
