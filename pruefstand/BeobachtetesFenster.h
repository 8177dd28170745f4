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

    void AutoStartClick() override;
    void RotateBitmapLinks(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override;
    void RotateBitmapMitte(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override;
    void RotateBitmapRechts(const QImage& Quelle, int MitteX, int MitteY, double Winkel) override;
};
