// The fit of the main window to the monitor: maximising, the size factor, the landscape and
// portrait arrangements, the title bar, scrolling, and the small window services.

#include "core/MainForm.h"

#include "core/Einstellungswerte.h"
#include "support/PrivateProfil.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"
#include "ui/Skalierung.h"
#include "ui/Skalierungsmathe.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QWheelEvent>
#include <QWindow>

QSize TMainForm::Bildschirmgroesse() const
{
    if (Umgebung.Bildschirm)
        return Umgebung.Bildschirm();
    const QScreen* Bildschirm = screen();
    return Bildschirm ? Bildschirm->size() : QSize(1292, 839);
}

QSize TMainForm::Arbeitsflaeche() const
{
    // Only the window manager knows what its panels take: a maximised window shows it.
    if (Umgebung.Bildschirm || !isVisible() || !(windowState() & Qt::WindowMaximized))
        return Bildschirmgroesse();
    return size().boundedTo(Bildschirmgroesse());
}

void TMainForm::resizeEvent(QResizeEvent* Ereignis)
{
    QWidget::resizeEvent(Ereignis);
    if (!ErsteDarstellung)
        QMetaObject::invokeMethod(this, &TMainForm::FolgeArbeitsflaeche, Qt::QueuedConnection);
}

namespace {
// The factor the start or the size dialog chose, and the one shown when the work area was last
// followed, as a point (gewählt, gezeigt).
constexpr char GewaehlterFaktor[] = "vorlixGewaehlterFaktor";
constexpr char EntwurfsLinks[] = "vorlixEntwurfsLinks";

// The panels as they are, the face and the money panel back at their design places at the factor
// shown: where every arrangement starts, as the start does.
Skalierung::TPanelLage AnEntwurfsplaetzen(const TMainForm& F)
{
    Skalierung::TPanelLage Lage = F.AktuellePanelLage();
    for (auto [Box, Rechteck] :
         {std::pair{F.GroupBox1, &Lage.GroupBox1}, {F.GroupBox2, &Lage.GroupBox2}})
        if (const QVariant Links = Box->property(EntwurfsLinks); Links.isValid())
            Rechteck->moveLeft(Skalierung::MulDiv(Links.toInt(), F.ScaleByWert, 100));
    return Lage;
}
} // namespace

// Where the maximised window turns out smaller than the screen, the machine is shown at the
// largest factor up to the chosen one that fits, and grows back when the room comes back (a panel
// that leaves, or a window manager that maximised the window with its title bar first). The
// settings file keeps the stored factor; a step of the size dialog since chooses anew.
void TMainForm::FolgeArbeitsflaeche()
{
    if (!FormScalierenEin)
        return;
    const QPoint Gemerkt = property(GewaehlterFaktor).toPoint();
    const int Gewaehlt = Gemerkt.y() == ScaleByWert ? Gemerkt.x() : ScaleByWert;
    const int Faktor = Skalierung::PassenderFaktor(Gewaehlt, AnEntwurfsplaetzen(*this), ScaleByWert,
                                                   Arbeitsflaeche());
    setProperty(GewaehlterFaktor, QPoint(Gewaehlt, Faktor));
    // Arranged again at any factor: a panel at the side moves the room the money panel has.
    SkaliereFenster(Faktor, ScaleByWert);
    ScaleByWert = Faktor;
    RichteAus(Hochformat);
    Label1Zentrieren();
}

namespace {
// The stored factor, or 0 when there is none. A factor that would put the machine off this screen
// (stored on another one, or by hand) counts as not set.
int GespeicherterFaktor(const std::optional<QString>& Text, const Skalierung::TPanelLage& Entwurf,
                        QSize Bildschirm)
{
    const int Faktor = Text ? Einstellungswerte::Groessenfaktor(*Text).value_or(0) : 0;
    if (Faktor <= 0 || !Skalierung::PasstAufBildschirm(Entwurf, Faktor, 100, Bildschirm))
        return 0;
    return Faktor;
}
} // namespace

void TMainForm::AnMonitorAnpassen()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    FormScalierenEin = false;
    ScaleByWert = 100;
    const PrivateProfil::TIniDatei Ini(IniDatei);
    const auto Schalter = LiesEinstellung(Ini, QStringLiteral("FormScalieren"));
    if (Schalter && Schalter->startsWith(QLatin1Char('1')))
        FormScalierenEin = true;
    const auto Gespeichert = LiesEinstellung(Ini, QStringLiteral("ScaleBy"));

    if (FormScalierenEin) {
        const Skalierung::TPanelLage Entwurf = AktuellePanelLage();
        GroupBox1->setProperty(EntwurfsLinks, Entwurf.GroupBox1.x());
        GroupBox2->setProperty(EntwurfsLinks, Entwurf.GroupBox2.x());
        const int Faktor = GespeicherterFaktor(Gespeichert, Entwurf, Bildschirmgroesse());
        if (Faktor == 0) {
            ErsterStart = true;
            ScaleByWert = Skalierung::PassenderFaktor(
                Skalierung::ErsterStartFaktor(Bildschirmgroesse().height()), Entwurf, 100,
                Bildschirmgroesse());
            SchreibeEinstellung(QStringLiteral("ScaleBy"), QString::number(ScaleByWert));
        } else {
            ScaleByWert = Faktor;
        }
        SkaliereFenster(ScaleByWert, 100);
    }

    const QSize Bildschirm = Bildschirmgroesse();
    RichteAus(Bildschirm.width() < Bildschirm.height());
    // The greeting is centred under the face like every later message.
    Label1Zentrieren();
    HideTitlebar();
}

void TMainForm::RichteAus(bool Hoch)
{
    Hochformat = Hoch;
    Querformat = !Hoch;
    if (Hoch)
        GroupBoxAnpassenHochformat();
    else
        GroupBoxAnpassenQuerformat();
    DrehscheibeAnScheibeAnpassen();
}

void TMainForm::SkaliereFenster(int Zaehler, int Nenner)
{
    if (Zaehler == Nenner)
        return;
    // Only the contents change size: the window keeps the size the window manager gave it.
    Skalierung::SkaliereFenster(this, Zaehler, Nenner);
    // Labels take the size of their text in the new font, as they did before.
    for (TBeschriftung* Beschriftung : findChildren<TBeschriftung*>())
        Beschriftung->adjustSize();
}

Skalierung::TPanelLage TMainForm::AktuellePanelLage() const
{
    return {GroupBox1->geometry(), GroupBox2->geometry(),    DachImage->geometry(),
            Image1->geometry(),    ImageGesicht->geometry(), QRImage->geometry(),
            LogoImage->geometry(), Label3->geometry(),       TrackBar1->geometry(),
            !QRImage->isHidden(),  !LogoImage->isHidden()};
}

void TMainForm::GroupBoxAnpassenQuerformat()
{
    ScrolleZu(0);
    // So a size step shows the machine where the next start puts it.
    SetzePanelLage(
        Skalierung::BerechneQuerformat(AnEntwurfsplaetzen(*this), Arbeitsflaeche().width()));
}

void TMainForm::GroupBoxAnpassenHochformat()
{
    ScrolleZu(0);
    SetzePanelLage(Skalierung::BerechneHochformat(AktuellePanelLage()));
}

void TMainForm::SetzePanelLage(const Skalierung::TPanelLage& Lage)
{
    // The window's banner lies behind the face, as designed, wherever the face is moved.
    ImageBanner->move(ImageBanner->pos() + Lage.GroupBox2.topLeft() - GroupBox2->pos());
    GroupBox1->setGeometry(Lage.GroupBox1);
    GroupBox2->setGeometry(Lage.GroupBox2);
    QRImage->setGeometry(Lage.QRImage);
    LogoImage->setGeometry(Lage.LogoImage);
    TrackBar1->setGeometry(Lage.TrackBar1);
    QRImage->setVisible(Lage.QRImageSichtbar);
    LogoImage->setVisible(Lage.LogoImageSichtbar);
}

void TMainForm::DrehscheibeAnScheibeAnpassen()
{
    if (DrehscheibeOriginal.isNull())
        DrehscheibeOriginal = ImageDrehscheibe2->Picture();
    ImageDrehscheibe2->SetPicture(DrehscheibeOriginal.scaled(
        ScheibeLinks->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TMainForm::HideTitlebar()
{
    if (windowFlags() & Qt::FramelessWindowHint)
        return;
    SetzeRahmen(true, style()->pixelMetric(QStyle::PM_TitleBarHeight) / 2);
    TitelleisteVersteckt = true;
    update();
}

void TMainForm::ShowTitlebar()
{
    if (!(windowFlags() & Qt::FramelessWindowHint))
        return;
    SetzeRahmen(false, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    TitelleisteVersteckt = false;
    update();
}

void TMainForm::SetzeRahmen(bool Rahmenlos, int Hoehenzuwachs)
{
    const bool Bildschirmfuellend = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    Qt::WindowFlags Neu = windowFlags();
    Neu.setFlag(Qt::FramelessWindowHint, Rahmenlos);
    // Changed on the native window in place: a new native window would come up hidden and in
    // the normal state, and a window manager is free not to maximise it again.
    if (QWindow* Nativ = windowHandle()) {
        overrideWindowFlags(Neu);
        Nativ->setFlags(Neu);
    } else {
        setWindowFlags(Neu);
    }
    if (!Bildschirmfuellend)
        resize(width(), height() + Hoehenzuwachs);
}

void TMainForm::TaskleisteZeigen()
{
    // The desktop's own panels are never hidden by this program, so there is nothing to show.
}

QSize TMainForm::GetTextSizeInPixel(const QWidget* Steuerelement, const QFont& Schrift,
                                    const QString& Text)
{
    if (!Steuerelement)
        return {0, 0};
    const QFontMetrics Masse(Schrift);
    const QSize Groesse(Masse.horizontalAdvance(Text), Masse.height());
    LetzteTextBreite = Groesse.width();
    return Groesse;
}

int TMainForm::Bildlaufbereich() const
{
    int Unten = 0;
    for (QObject* Objekt : children()) {
        const auto* Kind = qobject_cast<QWidget*>(Objekt);
        if (Kind && !Kind->isWindow() && !Kind->isHidden())
            Unten = qMax(Unten, Kind->geometry().bottom() + 1 + ScrollPosition);
    }
    return qMax(0, Unten - height());
}

void TMainForm::ScrolleZu(int Position)
{
    const int Neu = qBound(0, Position, qMax(Bildlaufbereich(), ScrollPosition));
    if (Neu == ScrollPosition)
        return;
    scroll(0, ScrollPosition - Neu);
    ScrollPosition = Neu;
}

void TMainForm::FormMouseWheelDown()
{
    ScrolleZu(qMin(ScrollPosition + 10, qMax(ScrollPosition, Bildlaufbereich())));
}

void TMainForm::FormMouseWheelUp()
{
    ScrolleZu(ScrollPosition - 10);
}

void TMainForm::wheelEvent(QWheelEvent* Ereignis)
{
    if (Ereignis->angleDelta().y() < 0)
        FormMouseWheelDown();
    else if (Ereignis->angleDelta().y() > 0)
        FormMouseWheelUp();
    Ereignis->ignore();
}
