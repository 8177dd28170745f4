// Coins and notes in: the nine money pictures, the limit and the intake into the slot.

#include "core/MainForm.h"

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
