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

    std::function<void(int Scheibe, int Winkel)> Drehbild;
    std::function<void(const void* Stapelstelle)> Spielbeginn;

    void AutoStartClick() override
    {
        if (Spielbeginn) {
            const int Stapelstelle = 0;
            Spielbeginn(&Stapelstelle);
        }
        TMainForm::AutoStartClick();
    }
    void RotateBitmapLinks(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override
    {
        Melde(0, Winkel);
        TMainForm::RotateBitmapLinks(Quelle, MitteX, MitteY, Winkel);
    }
    void RotateBitmapMitte(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override
    {
        Melde(1, Winkel);
        TMainForm::RotateBitmapMitte(Quelle, MitteX, MitteY, Winkel);
    }
    void RotateBitmapRechts(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override
    {
        Melde(2, Winkel);
        TMainForm::RotateBitmapRechts(Quelle, MitteX, MitteY, Winkel);
    }

private:
    void Melde(int Scheibe, double Winkel)
    {
        if (Drehbild)
            Drehbild(Scheibe, int(Winkel));
    }
};
