#include "pruefstand/BeobachtetesFenster.h"

void TBeobachtetesFenster::AutoStartClick()
{
    const int Stapelstelle = 0;
    Spielbeginn(&Stapelstelle);
    TMainForm::AutoStartClick();
}

void TBeobachtetesFenster::RotateBitmapLinks(const QImage& Quelle, int MitteX, int MitteY,
                                             double Winkel)
{
    Drehbild(0, int(Winkel));
    TMainForm::RotateBitmapLinks(Quelle, MitteX, MitteY, Winkel);
}

void TBeobachtetesFenster::RotateBitmapMitte(const QImage& Quelle, int MitteX, int MitteY,
                                             double Winkel)
{
    Drehbild(1, int(Winkel));
    TMainForm::RotateBitmapMitte(Quelle, MitteX, MitteY, Winkel);
}

void TBeobachtetesFenster::RotateBitmapRechts(const QImage& Quelle, int MitteX, int MitteY,
                                              double Winkel)
{
    Drehbild(2, int(Winkel));
    TMainForm::RotateBitmapRechts(Quelle, MitteX, MitteY, Winkel);
}
