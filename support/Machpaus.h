#pragma once

#include <QObject>

class QTimer;

// Waits a number of milliseconds while the window goes on handling its events, so animations,
// repaints, clicks and keys carry on during the wait. The wait sleeps in the event loop; it does
// not spin a core.
//
// All pauses of one component share one "done" flag: a pause started from a handler that runs
// inside another pause ends the outer pause together with itself, sooner or later than the outer
// one would have ended on its own.
class TMachPause : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)

public:
    explicit TMachPause(QObject* Owner = nullptr);
    ~TMachPause() override;

    int Interval() const; // milliseconds, unscaled; 0 without a timer
    void SetInterval(int Millisekunden);

    // Waits Millisekunden (scaled by the time-lapse factor). Zero or less processes the pending
    // events once and returns.
    void Pause(int Millisekunden);

private:
    void WarteMitAktuellemIntervall();

    QTimer* const Timer;
    int IntervallMs = 0;
    bool Fertig = false;
};
