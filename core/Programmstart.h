#pragma once

#include "core/Umgebung.h"

#include <functional>

class TMainForm;

// The machine's whole run, as the program file starts it.
namespace Programmstart {

// One machine per player: a lock in the config folder, held for the whole run, keeps a second
// copy from reading and writing the same cash box. A second start tells the player in a message
// box, touches no store and returns at once. Otherwise the main window and the size dialog are
// made and the event loop runs; Vorbereiten, when given, gets the window before it is shown.
// Returns the exit code.
int Lauf(TMainFormUmgebung Umgebung = {}, const std::function<void(TMainForm&)>& Vorbereiten = {});

} // namespace Programmstart
