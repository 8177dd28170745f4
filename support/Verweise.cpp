#include "support/Verweise.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace Verweise {

TOeffner DesktopOeffner()
{
    return [](const QUrl& Adresse) { return QDesktopServices::openUrl(Adresse); };
}

QString HilfePfad(const QString& ProgrammVerzeichnis)
{
    return ProgrammVerzeichnis + QStringLiteral("Vorlix-Hilfe.pdf");
}

QUrl HerstellerAdresse()
{
    return QUrl(QStringLiteral(VORLIX_HERSTELLER_URL));
}

void OeffneHilfe(const QString& ProgrammVerzeichnis, const TOeffner& Oeffne)
{
    // Without a program directory the bare name is meant relative to the current directory.
    Oeffne(QUrl::fromLocalFile(QFileInfo(HilfePfad(ProgrammVerzeichnis)).absoluteFilePath()));
}

bool OeffneHerstellerSeite(const TOeffner& Oeffne)
{
    return Oeffne(HerstellerAdresse());
}

} // namespace Verweise
