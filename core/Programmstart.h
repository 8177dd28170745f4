#pragma once

#include "core/Umgebung.h"

#include <functional>

class TMainForm;

// The machine's whole run, as the program file starts it.
namespace Programmstart {

// One machine per player: a lock beside the journal of the visit, held for the whole run, keeps a
// second copy from reading and writing the same journal and cash box. A second start touches no
// store and returns at once: it calls the running machine, which comes forward and tells the
// player, or, where that machine does not answer, tells the player in a message box itself. Where
// that lock cannot be made, the machine plays without the journal and says so; a lock in the config
// folder then still keeps a second copy away from the cash box. Otherwise the main window and the
// size dialog are made and the event loop runs; Vorbereiten, when given, gets the window before it
// is shown. Returns the exit code.
int Lauf(TMainFormUmgebung Umgebung = {}, const std::function<void(TMainForm&)>& Vorbereiten = {});

} // namespace Programmstart
