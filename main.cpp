#include "core/MainForm.h"
#include "core/Programmstart.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <exception>

namespace {

// An error that leaves an event handler is shown to the player, and the machine goes on.
class TAnwendung : public QApplication
{
public:
    using QApplication::QApplication;

    // The box's parent when no window of the program is active, as on a Wayland desktop that
    // has not given it the focus: a box with a parent is a dialog of the machine, which the
    // window system places over it.
    QPointer<QWidget> Hauptfenster;

    bool notify(QObject* Empfaenger, QEvent* Ereignis) override
    {
        try {
            return QApplication::notify(Empfaenger, Ereignis);
        } catch (const std::exception& Fehler) {
            QWidget* Bezug = activeWindow() ? activeWindow() : Hauptfenster.data();
            QMessageBox::critical(Bezug, QStringLiteral("Vorlix"),
                                  QString::fromLocal8Bit(Fehler.what()));
            return false;
        }
    }
};

} // namespace

int main(int argc, char* argv[])
{
    TAnwendung Anwendung(argc, argv);
    // The window's class (X11) and app id (Wayland) tie the window to its menu entry, however the
    // program was started.
    QApplication::setApplicationName(QStringLiteral("Vorlix"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLIX_KENNUNG));
    try {
        return Programmstart::Lauf(
            {}, [&Anwendung](TMainForm& MainForm) { Anwendung.Hauptfenster = &MainForm; });
    } catch (const std::exception& Fehler) {
        QMessageBox::critical(nullptr, QStringLiteral("Vorlix"),
                              QString::fromLocal8Bit(Fehler.what()));
        return EXIT_FAILURE;
    }
}
