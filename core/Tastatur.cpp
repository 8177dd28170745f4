// Keys and focus: Esc quits anywhere in the application, Space and Enter press only the start,
// stop and payout buttons that the game gives the focus to, the name field takes typing between
// games, and while a game runs no other control takes a key. A key that closed a message box is
// not pressed again by its repeat or its release, and a restored visit that waits for its next
// game takes no key on its payout button.

#include "core/MainForm.h"
#include "ui/Bedienelemente.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

void TMainForm::RichteTastaturEin()
{
    // Neither a click nor Tab gives any other control the focus, so no check box, slider or
    // button of the panel is ever switched by a key meant for the game.
    for (QWidget* Steuerelement : findChildren<QWidget*>()) {
        if (!Steuerelement->isWindow() && !IstSpielknopf(Steuerelement))
            Steuerelement->setFocusPolicy(Qt::NoFocus);
    }
    Edit1->setFocusPolicy(Qt::ClickFocus);
}

bool TMainForm::IstSpielknopf(const QObject* Objekt) const
{
    return Objekt == StartBtnGruen || Objekt == StopBtnGruen || Objekt == GibMirMeinGeldBtn;
}

bool TMainForm::IstFremdeTaste(const QWidget* Steuerelement, const QEvent* Ereignis)
{
    if (Ereignis->type() != QEvent::KeyPress && Ereignis->type() != QEvent::KeyRelease)
        return false;
    const auto* Taste = static_cast<const QKeyEvent*>(Ereignis);
    if (Steuerelement->window() != this) {
        if (Ereignis->type() == QEvent::KeyPress && !Taste->isAutoRepeat())
            FremdeTasten.insert(Taste->key());
        else if (!Taste->isAutoRepeat())
            FremdeTasten.remove(Taste->key());
        return false;
    }
    if (!FremdeTasten.contains(Taste->key()))
        return false;
    if (Taste->isAutoRepeat())
        return true;
    // Its release ends it; a new press is the player's next key.
    FremdeTasten.remove(Taste->key());
    return Ereignis->type() == QEvent::KeyRelease;
}

bool TMainForm::FaengtTasteAb(QObject* Objekt, QEvent* Ereignis)
{
    auto* Steuerelement = qobject_cast<QWidget*>(Objekt);
    if (!Steuerelement)
        return false;
    if (IstFremdeTaste(Steuerelement, Ereignis))
        return true;
    if (Steuerelement->window() != this)
        return false;
    switch (Ereignis->type()) {
    case QEvent::Hide:
        // Qt would hand the focus of a button that is put away to the next control in the tab
        // chain; the window keeps it instead, and takes no key itself but Esc.
        if (IstSpielknopf(Steuerelement) && Steuerelement->isHidden() && Steuerelement->hasFocus())
            setFocus();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (Objekt == GibMirMeinGeldBtn && BesuchWartet)
            return true;
        return SpielLaeuft && Objekt != StartBtnGruen && Objekt != StopBtnGruen;
    default:
        return false;
    }
}

bool TMainForm::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    if (Ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(Ereignis)->key() == Qt::Key_Escape) {
        Beenden();
    } else if (Objekt == Edit1 && Ereignis->type() == QEvent::MouseButtonPress) {
        Edit1Click();
    } else if (FaengtTasteAb(Objekt, Ereignis)) {
        return true;
    }
    return QWidget::eventFilter(Objekt, Ereignis);
}
