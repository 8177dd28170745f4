#include "support/Arbeitsordner.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace Arbeitsordner {

std::optional<QString> Aktuell()
{
    std::vector<char> Puffer(4096);
    while (::getcwd(Puffer.data(), Puffer.size()) == nullptr) {
        if (errno != ERANGE || Puffer.size() > (1u << 20))
            return std::nullopt;
        Puffer.resize(Puffer.size() * 2);
    }
    const QString Pfad = QFile::decodeName(Puffer.data());
    // Some systems answer "(unreachable)/..." for a folder that is gone.
    if (!Pfad.startsWith(u'/') || !QFileInfo(Pfad).isDir())
        return std::nullopt;
    return Pfad;
}

QString OderErsatz(const QString& Ersatz)
{
    return Aktuell().value_or(Ersatz);
}

} // namespace Arbeitsordner
