#pragma once

// A main window that tells its watcher of every game start, with an address on the stack of the
// call that starts it, and of every frame of a disc spin (0 left, 1 middle, 2 right) with its angle
// in degrees, before the frame is drawn. For the tests and the measuring tools.

#include "core/MainForm.h"

#include <functional>

class TBeobachtetesFenster : public TMainForm
{
public:
    using TMainForm::TMainForm;

    std::function<void(int Scheibe, int Winkel)> Drehbild = [](int, int) {};
    std::function<void(const void* Stapelstelle)> Spielbeginn = [](const void*) {};

    void AutoStartClick() override
    {
        const int Stapelstelle = 0;
        Spielbeginn(&Stapelstelle);
        TMainForm::AutoStartClick();
    }
    void RotateBitmapLinks(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override
    {
        Drehbild(0, int(Winkel));
        TMainForm::RotateBitmapLinks(Quelle, MitteX, MitteY, Winkel);
    }
    void RotateBitmapMitte(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override
    {
        Drehbild(1, int(Winkel));
        TMainForm::RotateBitmapMitte(Quelle, MitteX, MitteY, Winkel);
    }
    void RotateBitmapRechts(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override
    {
        Drehbild(2, int(Winkel));
        TMainForm::RotateBitmapRechts(Quelle, MitteX, MitteY, Winkel);
    }
};
