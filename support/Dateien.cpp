#include "support/Dateien.h"

#include "support/Zeitraffer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Dateien {

namespace {

constexpr char TempEndung[] = ".tmp-";
static_assert(sizeof(TempEndung) - 1 + 8 == TempEndungMaxBytes, "a suffix and 8 hex digits");

TFehlernaht& Fehlernaht()
{
    static TFehlernaht Gesetzt;
    return Gesetzt;
}

// Removes the files of Ordner whose names pass Gehoert.
void EntferneAusOrdner(QDir Ordner, const std::function<bool(const QString&)>& Gehoert)
{
    const QStringList Namen = Ordner.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& Name : Namen)
        if (Gehoert(Name))
            Ordner.remove(Name);
}

} // namespace

QString Konfigurationsordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vorlix");
}

QString Zustandsordner()
{
    // Only an absolute path counts; otherwise the default of the base directory rules.
    QString Basis = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(Basis))
        Basis = QDir::homePath() + QStringLiteral("/.local/state");
    return Basis + QStringLiteral("/Vorlix");
}

QString Datenordner()
{
    const QString Daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return Daten.isEmpty() ? QString() : Daten + QStringLiteral("/Vorlix");
}

QString Programmdateiordner()
{
    return QCoreApplication::applicationDirPath();
}

std::optional<QString> Arbeitsordner()
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

QString ArbeitsordnerOder(const QString& Ersatz)
{
    return Arbeitsordner().value_or(Ersatz);
}

void SetzeFehlernaht(TFehlernaht Naht)
{
    Fehlernaht() = std::move(Naht);
}

int Naht(TDateischritt Schritt, const QString& Pfad)
{
    return Fehlernaht() ? Fehlernaht()(Schritt, Pfad) : 0;
}

QString Fehlertext(long Fehler)
{
    switch (Fehler) {
    case ErfolgOk:
        return {};
    case FehlerZugriff:
        return QStringLiteral("Zugriff verweigert");
    case FehlerPfadNichtGefunden:
        return QStringLiteral("Ordner nicht gefunden");
    case FehlerPlatteVoll:
        return QStringLiteral("Kein Platz mehr auf dem Datenträger");
    default:
        return QStringLiteral("Die Datei konnte nicht geschrieben werden");
    }
}

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

namespace {

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

// A link into nowhere gives the place it names, so that writing creates the file there.
QByteArray LinkzielRoh(QByteArray Pfad)
{
    for (int Glied = 0; Glied < 40; ++Glied) {
        char Ziel[PATH_MAX];
        const ssize_t Laenge = ::readlink(Pfad.constData(), Ziel, sizeof Ziel);
        if (Laenge <= 0 || Laenge == ssize_t(sizeof Ziel))
            return Pfad;
        const QByteArray Verweis(Ziel, Laenge);
        const qsizetype Schnitt = Pfad.lastIndexOf('/');
        Pfad = Verweis.startsWith('/') || Schnitt < 0 ? Verweis : Pfad.left(Schnitt + 1) + Verweis;
    }
    return Pfad; // a loop of links: opening it fails, so nothing was read and nothing is written
}

// Waits for the lock on the open lock file until Frist milliseconds have passed since Uhr began;
// 0 or the errno of the failure (EWOULDBLOCK when the time is up).
int WarteAufSperre(int Deskriptor, const QElapsedTimer& Uhr, int Frist)
{
    for (;;) {
        if (::flock(Deskriptor, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || Uhr.elapsed() >= Frist)
            return errno;
        Zeitraffer::Schlafe(10);
    }
}

} // namespace

QString Linkziel(const QString& Pfad)
{
    return QFile::decodeName(LinkzielRoh(QFile::encodeName(Pfad)));
}

// ---- reading ----

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

long LiesRegulaereDatei(const QString& Pfad, QByteArray& Inhalt, bool& Vorhanden,
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

std::optional<QString> LegeBeiseite(const QString& Pfad)
{
    const QString Basis = Pfad + QStringLiteral(".defekt-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString Name = Basis;
    for (int Nummer = 2; QFileInfo::exists(Name) || QFileInfo(Name).isSymLink(); ++Nummer)
        Name = Basis + u'-' + QString::number(Nummer);
    if (::rename(QFile::encodeName(Pfad).constData(), QFile::encodeName(Name).constData()) != 0)
        return std::nullopt;
    return QFileInfo(Name).fileName();
}

// ---- atomic replacement and the lock ----

long SchreibeDateiAtomar(const QString& Pfad, const QByteArray& Inhalt, unsigned ModusNeueDatei)
{
    const QByteArray Ziel = LinkzielRoh(QFile::encodeName(Pfad));
    if (const int Nummer = Naht(TDateischritt::Schreiben, QFile::decodeName(Ziel)))
        return AusErrno(Nummer);
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
    SynchronisiereOrdner(QFile::decodeName(Ziel));
    return ErfolgOk;
}

void EntferneVerwaisteTempdateien(const QString& Pfad)
{
    const QFileInfo Ziel(Linkziel(Pfad));
    const QString Anfang = Ziel.fileName() + QLatin1String(TempEndung);
    EntferneAusOrdner(Ziel.absoluteDir(),
                      [&](const QString& Name) { return Name.startsWith(Anfang); });
}

void EntferneVerwaisteTempdateienMitEndung(const QString& Ordner, const QString& Endung)
{
    const QRegularExpression Muster(QRegularExpression::anchoredPattern(
        QStringLiteral(".+") + QRegularExpression::escape(Endung + QLatin1String(TempEndung)) +
        QStringLiteral("[0-9a-f]{1,8}")));
    EntferneAusOrdner(QDir(Ordner),
                      [&](const QString& Name) { return Muster.match(Name).hasMatch(); });
}

TDateiSperre::TDateiSperre(const QString& Pfad, int Frist)
    : Sperrdatei(QFile::encodeName(Pfad + ".lock"))
{
    QElapsedTimer Uhr;
    Uhr.start();
    const int Wartezeit = Zeitraffer::Dauer(Frist);
    for (;;) {
        const int Verweigert = Naht(TDateischritt::Sperren, QFile::decodeName(Sperrdatei));
        Deskriptor =
            Verweigert ? -1 : ::open(Sperrdatei.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (Deskriptor < 0) {
            Fehler = AusErrno(Verweigert ? Verweigert : errno);
            return;
        }
        if (const int Nummer = WarteAufSperre(Deskriptor, Uhr, Wartezeit)) {
            Fehler = Nummer == EWOULDBLOCK ? FehlerGesperrt : AusErrno(Nummer);
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

} // namespace Dateien
