// The player's hands for the installation test: Qt loads this as an input plugin into the installed
// program (QT_QPA_GENERIC_PLUGINS=vorlixfernbedienung), so the program itself needs no test entry.
// When the start-up has finished it types a name into the name field and presses Esc.
#include <QApplication>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

const QString Spielername = QStringLiteral("Testspielerin");

void DrueckeTaste(QWidget* Ziel, int Taste, const QString& Text = {})
{
    QKeyEvent Druck(QEvent::KeyPress, Taste, Qt::NoModifier, Text);
    QApplication::sendEvent(Ziel, &Druck);
    QKeyEvent Loslassen(QEvent::KeyRelease, Taste, Qt::NoModifier, Text);
    QApplication::sendEvent(Ziel, &Loslassen);
}

} // namespace

class TFernbedienung : public QObject
{
    Q_OBJECT

public:
    TFernbedienung() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        if (!Hauptfenster && Ereignis->type() == QEvent::Show &&
            Objekt->objectName() == QLatin1String("MainForm")) {
            Hauptfenster = qobject_cast<QWidget*>(Objekt);
            connect(Hauptfenster, SIGNAL(StartAbgeschlossen()), this, SLOT(Bediene()),
                    Qt::QueuedConnection);
        }
        return false;
    }

private slots:
    void Bediene()
    {
        auto* Name = Hauptfenster->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        if (!Name) {
            qFatal("vorlixfernbedienung: no name field");
        }
        Name->setFocus();
        Name->selectAll();
        for (const QChar Zeichen : Spielername)
            DrueckeTaste(Name, Zeichen.toUpper().unicode(), QString(Zeichen));
        DrueckeTaste(Name, Qt::Key_Escape);
    }

private:
    QWidget* Hauptfenster = nullptr;
};

class TFernbedienungsPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "fernbedienung.json")

public:
    QObject* create(const QString& Schluessel, const QString&) override
    {
        return Schluessel.compare(QLatin1String("vorlixfernbedienung"), Qt::CaseInsensitive) == 0
                   ? new TFernbedienung
                   : nullptr;
    }
};

#include "Fernbedienung.moc"
