#pragma once

#include <QString>
#include <optional>

// The folder the program runs in, asked of the system each time it is needed. nullopt when that
// folder no longer exists (it was removed while the program ran): then it has no path, and a
// relative name must not silently land in "/".
namespace Arbeitsordner {

std::optional<QString> Aktuell(); // without a trailing '/'

// The working folder, or Ersatz when it is gone.
QString OderErsatz(const QString& Ersatz);

} // namespace Arbeitsordner
