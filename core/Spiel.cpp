// Game start and stop: paying for a game, the chain of games, the start and stop buttons, the
// game duration and the invalid game.

#include "core/MainForm.h"
#include "support/Machpaus.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"

#include <QCheckBox>
#include <QMetaObject>

void TMainForm::AutoStartClick() {}
void TMainForm::StartBtnGruenClick() {}
void TMainForm::StopBtnGruenClick() {}
void TMainForm::AutoStartCheckBoxClick() {}
void TMainForm::TimerSpieldauerTimer() {}
void TMainForm::SpielUngueltigMachen() {}

bool TMainForm::Warte(int Millisekunden)
{
    if (ProgrammEndet)
        return false;
    MachPause1->Pause(Millisekunden);
    return !ProgrammEndet;
}

void TMainForm::Label1Zentrieren()
{
    const int Textbreite = GetTextSizeInPixel(Label1, Label1->font(), Label1->Caption()).width();
    Label1->move(ImageGesicht->x() + ImageGesicht->width() / 2 - Textbreite / 2, Label1->y());
}

void TMainForm::SpielEnde()
{
    SpielLaeuft = false;
    GibMirMeinGeldBtn->setEnabled(true);
    ScheibeLinks->SetPicture(ZielbildLinks);
    ScheibeMitte->SetPicture(ZielbildMitte);
    ScheibeRechts->SetPicture(ZielbildRechts);

    if (!Warte(1000))
        return;
    if (AutoStartCheckBox->isChecked() && !Warte(4000))
        return;
    Scheine_Einz_gewellt1->hide();
    Schein_Einzug->show();
    NachstartLaeuft = false;

    // The next game starts once this one has returned to the event loop.
    if (AutoStartCheckBox->isChecked())
        QMetaObject::invokeMethod(this, &TMainForm::AutoStartClick, Qt::QueuedConnection);
}
