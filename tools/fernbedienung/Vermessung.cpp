#include "Vermessung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// The window counts as settled once it has neither moved nor changed size or state for this long.
constexpr int Ruhezeit = 1200;

QRect GlobalesRechteck(const QWidget* W)
{
    return QRect(W->mapToGlobal(QPoint(0, 0)), W->size());
}

QString Zustandsname(Qt::WindowStates Zustand)
{
    if (Zustand & Qt::WindowFullScreen)
        return QStringLiteral("vollbild");
    if (Zustand & Qt::WindowMaximized)
        return QStringLiteral("maximiert");
    return Zustand & Qt::WindowMinimized ? QStringLiteral("minimiert") : QStringLiteral("normal");
}

bool Groessenschritt(const QString& Was)
{
    return Was == QLatin1String("groesser") || Was == QLatin1String("kleiner");
}

QString Masse(const QRect& R)
{
    return QStringLiteral("%1,%2,%3x%4").arg(R.x()).arg(R.y()).arg(R.width()).arg(R.height());
}

} // namespace

TVermessung::TVermessung(const QString& Schritte) : Schritte(Schritte)
{
    qApp->installEventFilter(this);
}

bool TVermessung::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    const QEvent::Type Art = Ereignis->type();
    if (!Hauptfenster && Art == QEvent::Show && Objekt->objectName() == QLatin1String("MainForm")) {
        Hauptfenster = qobject_cast<QWidget*>(Objekt);
        connect(Hauptfenster, SIGNAL(StartAbgeschlossen()), this, SLOT(Beginne()),
                Qt::QueuedConnection);
    }
    if (Objekt == Hauptfenster &&
        (Art == QEvent::Resize || Art == QEvent::Move || Art == QEvent::WindowStateChange))
        SeitAenderung.restart();
    return false;
}

void TVermessung::Beginne()
{
    SeitAenderung.start();
    WarteAufRuhe(QStringLiteral("start"));
}

void TVermessung::WarteAufRuhe(const QString& Was)
{
    Anstehend = Was;
    SeitBeginn.start();
    auto* Takt = new QTimer(this);
    connect(Takt, &QTimer::timeout, this, [this, Takt] {
        if (SeitBeginn.elapsed() < 1500 ||
            (SeitAenderung.elapsed() < Ruhezeit && SeitBeginn.elapsed() < 15000))
            return;
        Takt->deleteLater();
        Takt->stop();
        Pruefe();
    });
    Takt->start(100);
}

QStringList TVermessung::Aussen() const
{
    // What lies off the work area, or outside the window where the window itself is smaller.
    const QRect Sichtbar = Arbeitsflaeche() & GlobalesRechteck(Hauptfenster);
    auto* Gesicht = Hauptfenster->findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    auto* Panel = Hauptfenster->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    QList<QWidget*> Pruefling{Gesicht, Panel};
    Pruefling += Panel->findChildren<QWidget*>();
    QStringList Liste;
    for (QWidget* W : Pruefling)
        if (W->isVisible() && !W->isWindow() && !Sichtbar.contains(GlobalesRechteck(W)))
            Liste << W->objectName();
    // The inner parts of a text box stand for the box itself.
    Liste.removeIf([](const QString& Name) { return Name.isEmpty() || Name.startsWith(u"qt_"); });
    return Liste;
}

// The screen less the panels of the desktop, as the window manager reports it; a compositor that
// reports none leaves the whole screen.
QRect TVermessung::Arbeitsflaeche() const
{
    return Hauptfenster->screen()->availableGeometry();
}

void TVermessung::Pruefe()
{
    const auto* Gesicht = Hauptfenster->findChild<QWidget*>(QStringLiteral("GroupBox2"));
    QString Was = Anstehend;
    if (Groessenschritt(Was) && Gesicht->width() == GesichtsbreiteVorher)
        Was += QStringLiteral("-verweigert");
    const bool Verweigert = Was.endsWith(QLatin1String("verweigert"));
    GesichtsbreiteVorher = Gesicht->width();
    Melde(Was);
    const bool Einzeln = Position < Schritte.size() && Schritte.at(Position).isLower();
    if (Anstehend != QLatin1String("start") && (Verweigert || Einzeln || ++Wiederholt >= 60)) {
        ++Position;
        Wiederholt = 0;
    }
    NaechsterSchritt();
}

void TVermessung::Melde(const QString& Was)
{
    const QStringList Draussen = Aussen();
    const Qt::WindowStates Zustand = Hauptfenster->windowState();
    const QRect Bildschirm = Hauptfenster->screen()->geometry();
    const QRect Fenster = Hauptfenster->frameGeometry();
    // Maximised as the window manager has made it: within the work area, not merely asked for.
    const bool Voll = ((Zustand & (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
                       Arbeitsflaeche().contains(Hauptfenster->geometry())) ||
                      Fenster == Bildschirm;
    const QWidget* Gesicht = Hauptfenster->findChild<QWidget*>(QStringLiteral("GroupBox2"));
    // Once the panel has gone again, the machine is as large as it started.
    if (Was == QLatin1String("start"))
        AmStart = {Hauptfenster->size(), Gesicht->size()};
    const bool WieAmStart = Was != QLatin1String("leiste") ||
                            Hauptfenster->size() != AmStart.first ||
                            Gesicht->size() == AmStart.second;
    ++Fall;
    // X11 hands out the whole screen, desktop and window manager included; Wayland does not, there
    // the script asks the compositor.
    const QString Ordner = qEnvironmentVariable("VORLIX_PASSFORM_ORDNER");
    if (!Ordner.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb"))
        Hauptfenster->screen()->grabWindow(0).save(
            QDir(Ordner).filePath(QStringLiteral("%1.png").arg(Fall)));
    std::printf("Fall %d %s %s zustand=%s fenster=%s bildschirm=%dx%d arbeitsflaeche=%s "
                "gesicht=%dx%d aussen=%s\n",
                Fall, qPrintable(Was), Voll && Draussen.isEmpty() && WieAmStart ? "ok" : "FEHLER",
                qPrintable(Zustandsname(Zustand)), qPrintable(Masse(Fenster)), Bildschirm.width(),
                Bildschirm.height(), qPrintable(Masse(Arbeitsflaeche())), Gesicht->width(),
                Gesicht->height(), Draussen.isEmpty() ? "-" : qPrintable(Draussen.join(u',')));
    std::fflush(stdout);
    WarteAufZeichen(QString::number(Fall));
}

// The script takes the screenshot, or puts up the panel, while the machine holds still.
bool TVermessung::WarteAufZeichen(const QString& Name)
{
    const QString Ordner = qEnvironmentVariable("VORLIX_PASSFORM_ORDNER");
    if (Ordner.isEmpty())
        return true;
    const QString Zeichen = QDir(Ordner).filePath(Name + QStringLiteral(".fertig"));
    QElapsedTimer Frist;
    Frist.start();
    while (!QFileInfo::exists(Zeichen) && !Frist.hasExpired(30000))
        QThread::msleep(50);
    return QFileInfo::exists(Zeichen);
}

void TVermessung::Beende()
{
    if (!Hauptfenster)
        return;
    QKeyEvent Druck(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Hauptfenster, &Druck);
}

QWidget* TVermessung::Dialogknopf(const char* Name) const
{
    for (QWidget* Fenster : QApplication::topLevelWidgets())
        if (Fenster->objectName() == QLatin1String("Form2"))
            return Fenster->findChild<QWidget*>(QLatin1String(Name));
    return nullptr;
}

void TVermessung::OeffneDialog()
{
    // Posted, not sent: the dialog runs modally in its own loop, and the steps go on inside it.
    auto* Nase = Hauptfenster->findChild<QWidget*>(QStringLiteral("MenueBtn"));
    const QPointF Mitte = QPointF(Nase->rect().center());
    QCoreApplication::postEvent(Nase, new QMouseEvent(QEvent::MouseButtonPress, Mitte,
                                                      Nase->mapToGlobal(Mitte), Qt::RightButton,
                                                      Qt::RightButton, Qt::NoModifier));
    QCoreApplication::postEvent(Nase, new QMouseEvent(QEvent::MouseButtonRelease, Mitte,
                                                      Nase->mapToGlobal(Mitte), Qt::RightButton,
                                                      Qt::NoButton, Qt::NoModifier));
}

void TVermessung::NaechsterSchritt()
{
    QWidget* Dialog = Dialogknopf("Button1") ? Dialogknopf("Button1")->window() : nullptr;
    if (Position >= Schritte.size()) {
        auto* Speichern = qobject_cast<QAbstractButton*>(Dialogknopf("OKButton"));
        if (Geschritten && Speichern && Speichern->isEnabled()) {
            QMetaObject::invokeMethod(Speichern, "click", Qt::QueuedConnection);
            // The dialog of a first start only closes and the machine plays on; Esc ends it.
            QTimer::singleShot(3000, this, &TVermessung::Beende);
            return;
        }
        Beende();
        return;
    }
    if (Schritte.at(Position) == u'l') {
        // The desktop's panel goes up; the window manager shrinks the maximised window.
        std::printf("Leiste\n");
        std::fflush(stdout);
        WarteAufZeichen(QStringLiteral("leiste"));
        SeitAenderung.restart();
        WarteAufRuhe(QStringLiteral("leiste"));
        return;
    }
    if (!Dialog || !Dialog->isVisible()) {
        OeffneDialog();
        QTimer::singleShot(1000, this, &TVermessung::NaechsterSchritt);
        return;
    }
    const bool Groesser = Schritte.at(Position).toLower() == u'g';
    auto* Knopf = qobject_cast<QAbstractButton*>(Dialogknopf(Groesser ? "Button2" : "Button1"));
    QMetaObject::invokeMethod(Knopf, "click", Qt::QueuedConnection);
    Geschritten = true;
    SeitAenderung.restart();
    WarteAufRuhe(Groesser ? QStringLiteral("groesser") : QStringLiteral("kleiner"));
}
