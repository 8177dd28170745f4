#include "core/Programmstart.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {

// An error that leaves an event handler is shown to the player, and the machine goes on.
class TAnwendung : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject* Empfaenger, QEvent* Ereignis) override
    {
        try {
            return QApplication::notify(Empfaenger, Ereignis);
        } catch (const std::exception& Fehler) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Vorlix"),
                                  QString::fromLocal8Bit(Fehler.what()));
            return false;
        }
    }
};

} // namespace

int main(int argc, char* argv[])
{
    TAnwendung Anwendung(argc, argv);
    try {
        return Programmstart::Lauf();
    } catch (const std::exception& Fehler) {
        QMessageBox::critical(nullptr, QStringLiteral("Vorlix"),
                              QString::fromLocal8Bit(Fehler.what()));
        return EXIT_FAILURE;
    }
}
