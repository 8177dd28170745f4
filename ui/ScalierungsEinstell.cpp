#include "ui/ScalierungsEinstell.h"
#include "ui/Schriften.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QWindow>

namespace {
// The outer frame, title bar included, whatever the window manager draws around the dialog.
const QRect Rahmen(158, 139, 601, 251);

QPushButton* NeuerSchalter(QWidget* Eltern, const char* Name, const QString& Text, QRect Lage)
{
    auto* Schalter = new QPushButton(Text, Eltern);
    Schalter->setObjectName(QLatin1String(Name));
    Schalter->setGeometry(Lage);
    return Schalter;
}
} // namespace

TForm2::TForm2(IGroessenZiel& Ziel, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      Ziel(Ziel)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Vorlix-Größeneinstellung"));
    setFixedSize(Rahmen.size());
    move(Rahmen.topLeft());

    QPalette Farben = palette();
    Farben.setColor(QPalette::Window, Farben.color(QPalette::Button));
    setPalette(Farben);
    setAutoFillBackground(true);

    QFont Schrift(Schriften::Serifenlos);
    Schrift.setPixelSize(15);
    Schrift.setBold(true);
    setFont(Schrift);

    BaueSteuerelemente();
}

void TForm2::BaueSteuerelemente()
{
    Button1 = NeuerSchalter(this, "Button1", QStringLiteral("Kleiner"), QRect(42, 136, 75, 25));
    Button2 = NeuerSchalter(this, "Button2", QStringLiteral("Größer"), QRect(464, 136, 75, 25));

    ErsterStartMemo = new QPlainTextEdit(this);
    ErsterStartMemo->setObjectName(QStringLiteral("ErsterStartMemo"));
    ErsterStartMemo->setGeometry(16, 8, 553, 105);
    ErsterStartMemo->setReadOnly(true);
    ErsterStartMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    OKButton =
        NeuerSchalter(this, "OKButton", QStringLiteral("OK - Speichern"), QRect(120, 176, 142, 25));
    AbbrechenButton = NeuerSchalter(this, "AbbrechenButton", QStringLiteral("Alles klar!"),
                                    QRect(320, 176, 142, 25));

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, ErsterStartMemo);
    setTabOrder(ErsterStartMemo, OKButton);
    setTabOrder(OKButton, AbbrechenButton);

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(OKButton, &QPushButton::clicked, this, &TForm2::OKButtonClick);
    connect(AbbrechenButton, &QPushButton::clicked, this, &TForm2::AbbrechenButtonClick);
}

void TForm2::SetzeText(const QStringList& Zeilen)
{
    ErsterStartMemo->clear();
    for (const QString& Zeile : Zeilen)
        ErsterStartMemo->appendPlainText(Zeile);
    // Appending follows the text down; the player reads it from its first line.
    ErsterStartMemo->moveCursor(QTextCursor::Start);
}

void TForm2::ZeigeErsterStart()
{
    SetzeText({QStringLiteral("\t\tDies ist der erste Start von Vorlix."),
               QStringLiteral("\tDie Größe wurde an Ihren Monitor in etwa angepasst."),
               QStringLiteral("Mit den beiden Schaltern \"Kleiner\" und \"Größer\" passen Sie "
                              "Vorlix individuell an Ihren Monitor an. Sie können später die "
                              "Einstellung durch Klicken mit der Rechten Maustaste auf die "
                              "\"Nase\" von Vorlix ändern.")});
    Ziel.ErsterStartLoeschen();
    OKButton->setEnabled(false);
    AbbrechenButton->setEnabled(true);
    setModal(false);
    show();
}

void TForm2::ZeigeAufWunsch()
{
    // A first-start dialog that is still open is closed first, so that it comes back modal.
    if (isVisible())
        hide();
    SetzeText({QStringLiteral("Mit den beiden Schaltern \"Kleiner\" und \"Größer\" können Sie "
                              "Vorlix individuell an Ihren Monitor anpassen."),
               QString(),
               QStringLiteral("Haben Sie Einstellungen vorgenommen, muss Vorlix neu gestartet "
                              "werden. Deshalb wird nach dem Betätigen des OK-Schalters "
                              "vorhandenes Guthaben ausbezahlt und Vorlix beendet!")});
    AbbrechenButton->setEnabled(true);
    OKGedrueckt = false;
    AufWunschGeoeffnet = true;
    exec();
    AufWunschGeoeffnet = false;
    if (OKGedrueckt) {
        OKGedrueckt = false;
        Ziel.Auszahlen();
    }
}

void TForm2::SchrittGemeinsam()
{
    AbbrechenButton->setEnabled(false);
    OKButton->setEnabled(true);
    Ziel.SetzeMuenzen(Skalierung::BerechneMuenzreihe(Ziel.Muenzen(), Ziel.GroupBox1Breite()));
}

void TForm2::SkaliereUndOrdneAn(const Skalierung::TGroessenSchritt& Schritt)
{
    Ziel.SetzeScaleByWert(Schritt.ScaleByWert);
    Ziel.SetzeSkalierSchritt(Skalierung::MulDiv(100, Schritt.Zaehler, Schritt.Nenner));
    Ziel.SkaliereFenster(Schritt.Zaehler, Schritt.Nenner);
    if (Ziel.Querformat())
        Ziel.GroupBoxAnpassenQuerformat();
    else
        Ziel.GroupBoxAnpassenHochformat();
}

void TForm2::Button1Click()
{
    SchrittGemeinsam();
    if (!Skalierung::KleinerErlaubt(Ziel.BefehleLabelTop(), Ziel.BildschirmHoehe(),
                                    Ziel.ScaleByWert()))
        return;
    SkaliereUndOrdneAn(Skalierung::SchrittKleiner(Ziel.ScaleByWert()));
}

void TForm2::Button2Click()
{
    SchrittGemeinsam();
    const Skalierung::TGroessenSchritt Schritt = Skalierung::SchrittGroesser(Ziel.ScaleByWert());
    // The machine as the step would leave it: a step that pushes the face or the money panel off
    // the screen is refused, not only the step after it.
    if (!Ziel.PasstNachSchritt(Schritt.Zaehler, Schritt.Nenner))
        return;
    SkaliereUndOrdneAn(Schritt);
}

void TForm2::OKButtonClick()
{
    Ziel.SpeichereScaleBy(Ziel.ScaleByWert());
    OKGedrueckt = AufWunschGeoeffnet;
    done(QDialog::Accepted);
}

void TForm2::AbbrechenButtonClick()
{
    done(QDialog::Rejected);
}

void TForm2::keyPressEvent(QKeyEvent* Ereignis)
{
    // Esc belongs to the whole program (it quits); the dialog does not close itself on it.
    if (Ereignis->key() == Qt::Key_Escape) {
        Ereignis->ignore();
        return;
    }
    QDialog::keyPressEvent(Ereignis);
}

void TForm2::showEvent(QShowEvent* Ereignis)
{
    QDialog::showEvent(Ereignis);
    BehalteRahmen();
}

// The frame's width is known only once the window is shown.
void TForm2::BehalteRahmen()
{
    const QMargins Rand = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(Rahmen.width() - Rand.left() - Rand.right(),
                 Rahmen.height() - Rand.top() - Rand.bottom());
    move(Rahmen.topLeft());
}

// Window managers that offer minimise and maximise on dialogs do so against the window's hints;
// a minimised size dialog would leave the program without any window to answer.
void TForm2::changeEvent(QEvent* Ereignis)
{
    QDialog::changeEvent(Ereignis);
    if (Ereignis->type() != QEvent::WindowStateChange)
        return;
    constexpr Qt::WindowStates Verboten =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & Verboten) {
        setWindowState(windowState() & ~Verboten);
        BehalteRahmen();
    }
}
