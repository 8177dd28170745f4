// Where the game, the discs and the money come in: the handlers of the game's controls and
// timers. Until a handler is filled in, its control does nothing.

#include "core/MainForm.h"

void TMainForm::AutoStartClick() {}
void TMainForm::StartBtnGruenClick() {}
void TMainForm::StopBtnGruenClick() {}
void TMainForm::AutoStartCheckBoxClick() {}
void TMainForm::TimerSpieldauerTimer() {}
void TMainForm::SpielUngueltigMachen() {}
void TMainForm::RotateLinksClick() {}
void TMainForm::RotateRechtsClick() {}
void TMainForm::TimerSchnellDrehendeScheibeTimer() {}
void TMainForm::SchraubenTimerTimer() {}
void TMainForm::Timer1Timer() {}
void TMainForm::ButtonRisikoClick() {}
void TMainForm::EinzahlenButtonClick() {}
void TMainForm::Button_50_EuroClick() {}
void TMainForm::Button_20_EuroClick() {}
void TMainForm::Button_10_EuroClick() {}
void TMainForm::Button_5_EuroClick() {}
void TMainForm::Button_2_EuroClick() {}
void TMainForm::Button_1_EuroClick() {}
void TMainForm::Button_50_CentClick() {}
void TMainForm::Button_20_CentClick() {}
void TMainForm::Button_10_CentClick() {}

void TMainForm::GibMirMeinGeldBtnClick()
{
    AuszahlenButtonClick();
}

// Until the payout pays out, leaving by the payout ends the program the way Esc does.
void TMainForm::AuszahlenButtonClick()
{
    Beenden();
}
