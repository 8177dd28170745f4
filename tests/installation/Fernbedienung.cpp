// The player's hands for the tests of the installed and the running program: Qt loads this as an
// input plugin (QT_QPA_GENERIC_PLUGINS=vorlixfernbedienung), so the program itself needs no test
// entry. When the start-up has finished it types a name into the name field and presses Esc; with
// "vorlixfernbedienung:spiel" it answers each message box after three seconds, puts 20 Cent in
// instead, lets one game run and presses Esc.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>
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
    explicit TFernbedienung(bool Spielen) : Spielen(Spielen) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        auto* Box = qobject_cast<QMessageBox*>(Objekt);
        if (Spielen && Box && Ereignis->type() == QEvent::Show)
            QTimer::singleShot(3000, Box, [Box] { Box->buttons().constFirst()->click(); });
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
        if (Spielen) {
            Hauptfenster->findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(1);
            auto* Takt = new QTimer(this);
            connect(Takt, &QTimer::timeout, this, [this, Takt] { FolgeDemSpiel(Takt); });
            Takt->start(200);
            QMetaObject::invokeMethod(Kind<QWidget>("Button_20_Cent"), "Click",
                                      Qt::QueuedConnection);
            return;
        }
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
    template <typename T> T* Kind(const char* Name) const
    {
        return Hauptfenster->findChild<T*>(QLatin1String(Name));
    }

    // One game: once the discs turn no other follows; two seconds after its end comes Esc.
    void FolgeDemSpiel(QTimer* Takt)
    {
        auto* Automatik = Kind<QCheckBox>("AutoStartCheckBox");
        if (Kind<QWidget>("StartBtnGruen")->isVisible() ||
            Kind<QWidget>("StopBtnGruen")->isVisible()) {
            Automatik->setChecked(false);
        } else if (!Automatik->isChecked() && Kind<QWidget>("GibMirMeinGeldBtn")->isEnabled()) {
            Takt->stop();
            QTimer::singleShot(2000, this, [this] { DrueckeTaste(Hauptfenster, Qt::Key_Escape); });
        }
    }

    bool Spielen;
    QWidget* Hauptfenster = nullptr;
};

class TFernbedienungsPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "fernbedienung.json")

public:
    QObject* create(const QString& Schluessel, const QString& Art) override
    {
        return Schluessel.compare(QLatin1String("vorlixfernbedienung"), Qt::CaseInsensitive) == 0
                   ? new TFernbedienung(Art == QLatin1String("spiel"))
                   : nullptr;
    }
};

#include "Fernbedienung.moc"
