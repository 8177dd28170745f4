#include "core/Programmstart.h"

#include "core/MainForm.h"
#include "support/Registrierung.h"
#include "ui/ScalierungsEinstell.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>

namespace Programmstart {

int Lauf(TMainFormUmgebung Umgebung, const std::function<void(TMainForm&)>& Vorbereiten)
{
    const QString Ordner = Registrierung::TRegistrierungsDatei::Ordner();
    QDir().mkpath(Ordner);
    QLockFile Sperre(Ordner + QStringLiteral("/Vorlix.lock"));
    // A lock is stale only when its process is gone, however long a machine has been running.
    Sperre.setStaleLockTime(0);
    if (!Sperre.tryLock(0) && Sperre.error() == QLockFile::LockFailedError) {
        const auto Meldungen = Umgebung.Meldungen ? std::move(Umgebung.Meldungen)
                                                  : std::make_unique<TDialogMeldungen>();
        Meldungen->Zeige(nullptr, QMessageBox::Information,
                         QStringLiteral("Vorlix läuft bereits. Es kann immer nur eine Vorlix-"
                                        "Maschine laufen; bitte spielen Sie im geöffneten Fenster "
                                        "weiter."),
                         QMessageBox::Ok);
        return 0;
    }
    // A lock that cannot be made at all (a folder without write permission) does not keep the
    // player from the machine; its stores report what they cannot write.
    // The end leaves no loop it runs from, so the lock goes first.
    Umgebung.ProzessEnde = [&Sperre, Ende = std::move(Umgebung.ProzessEnde)] {
        Sperre.unlock();
        if (Ende)
            Ende();
        else
            TMainForm::BeendeProzessSofort();
    };
    TMainForm MainForm(std::move(Umgebung));
    TForm2 Form2(MainForm.GroessenZiel(), &MainForm);
    MainForm.SetzeGroessenDialog(&Form2);
    if (Vorbereiten)
        Vorbereiten(MainForm);
    MainForm.show();
    return QApplication::exec();
}

} // namespace Programmstart
