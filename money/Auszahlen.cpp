// Money out: the payout with its count-out, and the emptying of the cash box.

#include "core/MainForm.h"

void TMainForm::GibMirMeinGeldBtnClick()
{
    AuszahlenButtonClick();
}

// Until the payout pays out, leaving by the payout ends the program the way Esc does.
void TMainForm::AuszahlenButtonClick()
{
    Beenden();
}

void TMainForm::PruefeObAutomatenkasseGeleertWerdenMuss() {}
