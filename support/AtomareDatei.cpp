#include "support/AtomareDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Registrierung {

namespace {

constexpr char TempEndung[] = ".tmp-";
static_assert(sizeof(TempEndung) - 1 + 8 == TempEndungMaxBytes, "a suffix and 8 hex digits");

long AusErrno(int Nummer)
{
    switch (Nummer) {
    case EACCES:
    case EPERM:
    case EROFS:
        return FehlerZugriff;
    case ENOENT:
    case ENOTDIR:
        return FehlerPfadNichtGefunden;
    case ENOSPC:
    case EDQUOT:
        return FehlerPlatteVoll;
    default:
        return FehlerSchreiben;
    }
}

bool SchreibeAlles(int Deskriptor, const QByteArray& Inhalt)
{
    qsizetype Geschrieben = 0;
    while (Geschrieben < Inhalt.size()) {
        const ssize_t Teil = ::write(Deskriptor, Inhalt.constData() + Geschrieben,
                                     size_t(Inhalt.size() - Geschrieben));
        if (Teil < 0 && errno == EINTR)
            continue;
        if (Teil < 0)
            return false;
        Geschrieben += Teil;
    }
    return true;
}

// The rename itself reaches the disk only with its folder.
void SynchronisiereOrdner(const QString& Pfad)
{
    const int Ordner =
        ::open(QFile::encodeName(QFileInfo(Pfad).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (Ordner >= 0) {
        ::fsync(Ordner);
        ::close(Ordner);
    }
}

} // namespace

// ---- atomic replacement and the lock ----

long SchreibeDateiAtomar(const QString& Pfad, const QByteArray& Inhalt, unsigned ModusNeueDatei)
{
    const QByteArray Ziel = QFile::encodeName(Pfad);
    struct stat Alt = {};
    const bool AltVorhanden = ::stat(Ziel.constData(), &Alt) == 0;
    const mode_t Modus = AltVorhanden ? (Alt.st_mode & 07777) : mode_t(ModusNeueDatei);
    QByteArray Temp;
    int Deskriptor = -1;
    for (int Versuch = 0; Deskriptor < 0 && Versuch < 100; ++Versuch) {
        Temp = Ziel + TempEndung + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        Deskriptor = ::open(Temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Modus);
        if (Deskriptor < 0 && errno != EEXIST)
            return AusErrno(errno);
    }
    if (Deskriptor < 0)
        return FehlerSchreiben;
    bool Ok = (!AltVorhanden || ::fchmod(Deskriptor, Modus) == 0) &&
              SchreibeAlles(Deskriptor, Inhalt) && ::fsync(Deskriptor) == 0;
    int Nummer = errno;
    if (::close(Deskriptor) != 0 && Ok) {
        Ok = false;
        Nummer = errno;
    }
    if (Ok && ::rename(Temp.constData(), Ziel.constData()) != 0) {
        Ok = false;
        Nummer = errno;
    }
    if (!Ok) {
        ::unlink(Temp.constData());
        return AusErrno(Nummer);
    }
    SynchronisiereOrdner(Pfad);
    return ErfolgOk;
}

void EntferneVerwaisteTempdateien(const QString& Pfad)
{
    const QFileInfo Ziel(Pfad);
    const QString Anfang = Ziel.fileName() + QLatin1String(TempEndung);
    QDir Ordner = Ziel.absoluteDir();
    const QStringList Namen = Ordner.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& Name : Namen)
        if (Name.startsWith(Anfang))
            Ordner.remove(Name);
}

TDateiSperre::TDateiSperre(const QString& Pfad) : Sperrdatei(QFile::encodeName(Pfad + ".lock"))
{
    for (;;) {
        Deskriptor = ::open(Sperrdatei.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (Deskriptor < 0) {
            Fehler = AusErrno(errno);
            return;
        }
        int Rc;
        do
            Rc = ::flock(Deskriptor, LOCK_EX);
        while (Rc != 0 && errno == EINTR);
        if (Rc != 0) {
            Fehler = AusErrno(errno);
            ::close(Deskriptor);
            Deskriptor = -1;
            return;
        }
        // The previous holder removes the lock file on release; a lock on a removed file
        // excludes nobody, so then the lock is taken again on the new file.
        struct stat Gehalten = {}, Jetzt = {};
        if (::fstat(Deskriptor, &Gehalten) == 0 && ::stat(Sperrdatei.constData(), &Jetzt) == 0 &&
            Gehalten.st_dev == Jetzt.st_dev && Gehalten.st_ino == Jetzt.st_ino)
            return;
        ::close(Deskriptor);
    }
}

TDateiSperre::~TDateiSperre()
{
    if (Deskriptor < 0)
        return;
    ::unlink(Sperrdatei.constData());
    ::close(Deskriptor);
}

} // namespace Registrierung
