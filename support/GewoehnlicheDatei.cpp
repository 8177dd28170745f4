#include "support/GewoehnlicheDatei.h"

#include "support/Dateien.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Registrierung {

namespace {

bool Geeignet(const struct stat& Info, qint64 HoechstGroesse)
{
    return S_ISREG(Info.st_mode) && Info.st_size <= HoechstGroesse;
}

long LeseFehler(int Nummer)
{
    return Nummer == EACCES || Nummer == EPERM ? FehlerZugriff : FehlerLesen;
}

// Reads to the end, but never more than HoechstGroesse bytes: the file may grow meanwhile.
long LiesBisZumEnde(int Deskriptor, QByteArray& Inhalt, qint64 HoechstGroesse)
{
    QByteArray Gelesen;
    char Block[64 * 1024];
    for (;;) {
        const ssize_t Teil = ::read(Deskriptor, Block, sizeof Block);
        if (Teil < 0 && errno == EINTR)
            continue;
        if (Teil < 0)
            return LeseFehler(errno);
        if (Teil == 0)
            break;
        if (Gelesen.size() + Teil > HoechstGroesse)
            return FehlerUngeeignet;
        Gelesen.append(Block, Teil);
    }
    Inhalt = std::move(Gelesen);
    return ErfolgOk;
}

} // namespace

long LiesGewoehnlicheDatei(const QString& Pfad, QByteArray& Inhalt, bool& Vorhanden,
                           qint64 HoechstGroesse)
{
    const QByteArray Name = QFile::encodeName(Pfad);
    Vorhanden = false;
    struct stat Info = {};
    // Looked at before it is opened: opening a pipe or a device can already block or act.
    if (::stat(Name.constData(), &Info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ErfolgOk : LeseFehler(errno);
    Vorhanden = true;
    if (!Geeignet(Info, HoechstGroesse))
        return FehlerUngeeignet;
    const int Deskriptor = ::open(Name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (Deskriptor < 0) {
        Vorhanden = errno != ENOENT;
        return Vorhanden ? LeseFehler(errno) : ErfolgOk;
    }
    // The name may have been given to something else between the look and the opening.
    long Ergebnis = FehlerUngeeignet;
    if (::fstat(Deskriptor, &Info) != 0)
        Ergebnis = LeseFehler(errno);
    else if (Geeignet(Info, HoechstGroesse))
        Ergebnis = LiesBisZumEnde(Deskriptor, Inhalt, HoechstGroesse);
    ::close(Deskriptor);
    return Ergebnis;
}

} // namespace Registrierung
