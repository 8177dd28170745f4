#include "core/Programmordner.h"

#include "support/Dateien.h"
#include "support/PrivateProfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>
#include <vector>

namespace {

const QString Einstellungsdatei = QStringLiteral("Vorlix.ini");

bool InGruppe(uint Gruppe)
{
    if (Gruppe == ::getegid())
        return true;
    const int Anzahl = ::getgroups(0, nullptr);
    if (Anzahl <= 0)
        return false;
    std::vector<gid_t> Gruppen(static_cast<std::size_t>(Anzahl));
    const int Gelesen = ::getgroups(Anzahl, Gruppen.data());
    for (int i = 0; i < Gelesen; ++i)
        if (Gruppen[static_cast<std::size_t>(i)] == Gruppe)
            return true;
    return false;
}

bool RechteErlaubenSchreiben(const QFileInfo& Ordner)
{
    if (Ordner.ownerId() == ::geteuid())
        return Ordner.permission(QFile::WriteOwner);
    if (InGruppe(Ordner.groupId()))
        return Ordner.permission(QFile::WriteGroup);
    return Ordner.permission(QFile::WriteOther);
}

// The settings the machine is installed with are the player's first settings, when they are a
// settings file at all.
void UebernimmEinstellungen(const QString& Installordner, const QString& Benutzer)
{
    const QString Ziel = Benutzer + QLatin1Char('/') + Einstellungsdatei;
    if (QFileInfo::exists(Ziel))
        return;
    QByteArray Inhalt;
    bool Vorhanden = false;
    if (Dateien::LiesRegulaereDatei(Installordner + QLatin1Char('/') + Einstellungsdatei, Inhalt,
                                    Vorhanden,
                                    PrivateProfil::HoechstGroesse) == Dateien::ErfolgOk &&
        Vorhanden)
        Dateien::SchreibeDateiAtomar(Ziel, Inhalt);
}

} // namespace

namespace Programmordner {

bool IstBeschreibbar(const QString& Ordner)
{
    const QFileInfo Info(Ordner);
    return Info.isDir() && RechteErlaubenSchreiben(Info) &&
           ::access(QFile::encodeName(Info.absoluteFilePath()).constData(), W_OK) == 0;
}

TOrdner Bestimme(const QString& ProgrammdateiOrdner)
{
    if (IstBeschreibbar(ProgrammdateiOrdner))
        return {};
    const QString Benutzer = Dateien::Datenordner();
    if (Benutzer.isEmpty() || !QDir().mkpath(Benutzer))
        return {};
    const QString Installordner = QFileInfo(ProgrammdateiOrdner).absoluteFilePath();
    UebernimmEinstellungen(Installordner, Benutzer);
    return {Benutzer, Installordner};
}

} // namespace Programmordner
