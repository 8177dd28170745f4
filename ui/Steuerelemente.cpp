// The controls of the main window as designed: every position and size is the one for a screen
// 900 pixels high (100 %); the fit to the monitor scales and moves them later.

#include "core/MainForm.h"

#include "money/Geldregeln.h"
#include "support/Machpaus.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"
#include "ui/Bilder.h"
#include "ui/Bonuslampen.h"
#include "ui/ImageWindow.h"
#include "ui/Schriften.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

const QColor Rot(0xFF, 0x00, 0x00);
const QColor Weiss(0xFF, 0xFF, 0xFF);
const QColor Schwarz(0x00, 0x00, 0x00);

QFont Schrift(int Pixel, bool Fett = false)
{
    QFont Ergebnis(Schriften::Serifenlos);
    Ergebnis.setPixelSize(Pixel);
    Ergebnis.setBold(Fett);
    return Ergebnis;
}

QFont FesteSchrift(int Pixel)
{
    QFont Ergebnis(Schriften::Festbreite);
    Ergebnis.setStyleHint(QFont::Monospace);
    Ergebnis.setPixelSize(Pixel);
    return Ergebnis;
}

void SetzeTextfarbe(QWidget* Steuerelement, const QColor& Farbe)
{
    QPalette Farben = Steuerelement->palette();
    Farben.setColor(QPalette::WindowText, Farbe);
    Farben.setColor(QPalette::ButtonText, Farbe);
    Farben.setColor(QPalette::Text, Farbe);
    Steuerelement->setPalette(Farben);
}

void SetzeGrund(QWidget* Steuerelement, const QColor& Farbe)
{
    QPalette Farben = Steuerelement->palette();
    Farben.setColor(QPalette::Window, Farbe);
    Steuerelement->setPalette(Farben);
    Steuerelement->setAutoFillBackground(true);
}

template <typename T> T* Benannt(T* Steuerelement, const char* Name)
{
    Steuerelement->setObjectName(QLatin1String(Name));
    return Steuerelement;
}

enum TBildArt : unsigned
{
    Gestreckt = 1,
    Durchsichtig = 2,
    Versteckt = 4,
    EigeneGroesse = 8, // the control takes the size of its picture
};

// A picture control. Datei is the picture's name without ending; Platz its place, where the
// size is the fallback for pictures that give the size themselves.
TBild* NeuesBild(QWidget* Eltern, const char* Name, const QRect& Platz, unsigned Art,
                 const char* Datei = nullptr)
{
    auto* Bild = Benannt(new TBild(Eltern), Name);
    const QImage Inhalt =
        Bilder::Lade(QLatin1String(Datei ? Datei : Name), Platz.size(), QLatin1String(Name));
    Bild->SetPicture(Inhalt);
    Bild->SetTransparent(Art & Durchsichtig);
    Bild->SetStretch((Art & (Gestreckt | EigeneGroesse)) != 0);
    Bild->setGeometry(Art & EigeneGroesse ? QRect(Platz.topLeft(), Inhalt.size()) : Platz);
    Bild->setVisible(!(Art & Versteckt));
    return Bild;
}

// A button. Without a size the button takes the size of its glyph plus a frame of 3 pixels.
TBildKnopf* NeuerKnopf(QWidget* Eltern, const char* Name, const QString& Beschriftung,
                       const QRect& Platz, bool Tabstopp = true)
{
    auto* Knopf = Benannt(new TBildKnopf(Eltern), Name);
    Knopf->setText(Beschriftung);
    Knopf->setGeometry(Platz);
    Knopf->setFocusPolicy(Tabstopp ? Qt::StrongFocus : Qt::ClickFocus);
    return Knopf;
}

TBildKnopf* NeuerBildKnopf(QWidget* Eltern, const char* Name, const QPoint& Ort, QSize Groesse,
                           const char* Glyphdatei, const QSize& Glyphgroesse)
{
    auto* Knopf = NeuerKnopf(Eltern, Name, QString(), QRect(Ort, Groesse), false);
    // The face's buttons are parts of the face: only their glyph shows, a frame only while pressed.
    Knopf->setFlat(true);
    const QImage Glyph =
        Bilder::Lade(QLatin1String(Glyphdatei), Glyphgroesse, QLatin1String(Glyphdatei));
    if (!Groesse.isValid())
        Knopf->resize(Glyph.size() + QSize(6, 6));
    Knopf->SetGlyph(Glyph);
    return Knopf;
}

TBeschriftung* NeueBeschriftung(QWidget* Eltern, const char* Name, const QString& Text,
                                const QPoint& Ort, const QFont& Font, const QColor& Farbe)
{
    auto* Beschriftung = Benannt(new TBeschriftung(Eltern), Name);
    Beschriftung->setFont(Font);
    SetzeTextfarbe(Beschriftung, Farbe);
    Beschriftung->move(Ort);
    Beschriftung->SetCaption(Text);
    return Beschriftung;
}

QCheckBox* NeuesKaestchen(QWidget* Eltern, const char* Name, const QString& Text, const QPoint& Ort,
                          bool TextLinks)
{
    auto* Kaestchen = Benannt(new QCheckBox(Text, Eltern), Name);
    if (TextLinks)
        Kaestchen->setLayoutDirection(Qt::RightToLeft);
    Kaestchen->setChecked(true);
    Kaestchen->move(Ort);
    Kaestchen->adjustSize();
    return Kaestchen;
}

QFrame* NeuerRahmen(QWidget* Eltern, const char* Name, const QRect& Platz)
{
    auto* Rahmen = Benannt(new QFrame(Eltern), Name);
    Rahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Rahmen->setGeometry(Platz);
    Rahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
    return Rahmen;
}

QTimer* NeuerTimer(QObject* Eltern, const char* Name, int Millisekunden, bool Ein)
{
    auto* Timer = Benannt(new QTimer(Eltern), Name);
    Zeitraffer::SetzeIntervall(*Timer, Millisekunden);
    if (Ein)
        Zeitraffer::Einschalten(*Timer);
    return Timer;
}

// Controls with a window of their own (buttons, boxes, fields, sliders, discs, panels) lie above
// the plain pictures and labels of the same parent, whatever the order in which they were made.
bool HatEigenesFenster(const QWidget* Steuerelement)
{
    const bool Grafik = qobject_cast<const TBild*>(Steuerelement) ||
                        qobject_cast<const QLabel*>(Steuerelement) ||
                        Steuerelement->metaObject() == &QFrame::staticMetaObject;
    return !Grafik;
}

void LegeFensterUeberGrafik(QWidget* Eltern)
{
    const QObjectList Kinder = Eltern->children(); // raising reorders the parent's list
    for (QObject* Objekt : Kinder) {
        auto* Kind = qobject_cast<QWidget*>(Objekt);
        if (Kind && !Kind->isWindow() && HatEigenesFenster(Kind))
            Kind->raise();
    }
}

// The money panel has the colour of a button face, so its plain texts stand out as designed.
const QColor PanelFarbe(0xF0, 0xF0, 0xF0);

// The nine money pictures in the order of Geld::GeldBilder(), which names them.
struct TGeldPlatz
{
    TBild* TMainForm::*Bild;
    void (TMainForm::*Klick)();
    QRect Platz;
    unsigned Art;
};

constexpr unsigned Note = Gestreckt;
constexpr unsigned Muenze = Durchsichtig | EigeneGroesse;
const TGeldPlatz GeldPlaetze[] = {
    {&TMainForm::Button_50_Euro, &TMainForm::Button_50_EuroClick, {6, 16, 80, 130}, Note},
    {&TMainForm::Button_20_Euro, &TMainForm::Button_20_EuroClick, {94, 16, 80, 130}, Note},
    {&TMainForm::Button_10_Euro, &TMainForm::Button_10_EuroClick, {181, 16, 80, 130}, Note},
    {&TMainForm::Button_5_Euro, &TMainForm::Button_5_EuroClick, {268, 16, 80, 130}, Note},
    {&TMainForm::Button_2_Euro, &TMainForm::Button_2_EuroClick, {8, 170, 75, 75}, Muenze},
    {&TMainForm::Button_1_Euro, &TMainForm::Button_1_EuroClick, {85, 172, 70, 70}, Muenze},
    {&TMainForm::Button_50_Cent, &TMainForm::Button_50_CentClick, {157, 172, 70, 70}, Muenze},
    {&TMainForm::Button_20_Cent, &TMainForm::Button_20_CentClick, {229, 176, 64, 64}, Muenze},
    {&TMainForm::Button_10_Cent, &TMainForm::Button_10_CentClick, {294, 180, 62, 62}, Muenze},
};
static_assert(std::size(GeldPlaetze) ==
              std::tuple_size_v<std::remove_cvref_t<decltype(Geld::GeldBilder())>>);

// The hidden picture of a fruit's lamp, Zustand "Normal" (unlit) or "Aktiv" (lit).
QByteArray Lampenbild(const TBonuslampen& Lampen, const char* Zustand)
{
    return QByteArray("Image") + Lampen.Bild + Zustand;
}

} // namespace

const std::array<TBonuslampen, 4>& Bonuslampen()
{
    using F = TMainForm;
    // A row: the names, the tool tip, the three places, the three lamps, the unlit and lit picture.
    static const std::array<TBonuslampen, 4> Tabelle = {{
        {"Zitrone", "Zitrone", "50 Sonderspiele", QPoint(44, 692), QPoint(103, 692),
         QPoint(162, 692), &F::ImageBonus1_Zitrone, &F::ImageBonus2_Zitrone,
         &F::ImageBonus3_Zitrone, &F::ImageZitroneNormal, &F::ImageZitroneAktiv},
        {"Erdbeere", "Erdbeer", "25 Sonderspiele", QPoint(789, 692), QPoint(729, 692),
         QPoint(667, 692), &F::ImageBonus1_Erdbeere, &F::ImageBonus2_Erdbeere,
         &F::ImageBonus3_Erdbeere, &F::ImageErdbeerNormal, &F::ImageErdbeerAktiv},
        {"Karotte", "Karotte", "75 Sonderspiele", QPoint(780, 422), QPoint(780, 552),
         QPoint(695, 552), &F::ImageBonus1_Karotte, &F::ImageBonus2_Karotte,
         &F::ImageBonus3_Karotte, &F::ImageKarotteNormal, &F::ImageKarotteAktiv},
        {"Kirsche", "Kirsche", "100 Sonderspiele", QPoint(46, 422), QPoint(46, 553),
         QPoint(133, 553), &F::ImageBonus1_Kirsche, &F::ImageBonus2_Kirsche,
         &F::ImageBonus3_Kirsche, &F::ImageKirscheNormal, &F::ImageKirscheAktiv},
    }};
    return Tabelle;
}

void TMainForm::ErzeugeSteuerelemente()
{
    ErzeugeFenster();
    ErzeugeGesicht();
    ErzeugeGesichtUnten();
    ErzeugeBonusLampen();
    ErzeugeGeldPanel();
    ErzeugeBedienung();
    ErzeugeTimer();
    VerbindeHandler();
    for (QWidget* Eltern : {static_cast<QWidget*>(this), static_cast<QWidget*>(GroupBox2),
                            static_cast<QWidget*>(GroupBox1)})
        LegeFensterUeberGrafik(Eltern);
}

void TMainForm::ErzeugeFenster()
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Vorlix - " VORLIX_VERSION));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    SetzeGrund(this, Schwarz);
    setFont(Schrift(11));
    resize(1292, 839);

    GroupBox2 = Benannt(new QGroupBox(this), "GroupBox2");
    GroupBox2->setGeometry(0, 0, 883, 790);
    GroupBox1 = Benannt(new QGroupBox(this), "GroupBox1");
    GroupBox1->setGeometry(900, 72, 353, 713);
    SetzeGrund(GroupBox1, PanelFarbe);
    SetzeTextfarbe(GroupBox1, Schwarz);

    LogoImage = NeuesBild(this, "LogoImage", {989, 16, 218, 40}, Gestreckt | Durchsichtig);
    LogoImage->setCursor(Qt::PointingHandCursor);
    QRImage = NeuesBild(this, "QRImage", {902, 20, 54, 54}, EigeneGroesse);
    QRImage->SetRaster(Bilder::QrModule(QRImage->Picture()));
    // Behind the face's own banner Image3, and no wider, so no strip of it shows beside it.
    ImageBanner = NeuesBild(this, "ImageBanner", {246, 728, 397, 49}, Gestreckt);

    TrackBar1 = Benannt(new QSlider(Qt::Vertical, this), "TrackBar1");
    TrackBar1->setGeometry(58, 168, 25, 105);
    TrackBar1->setRange(1, 8);
    TrackBar1->setValue(8);
    TrackBar1->setInvertedAppearance(true); // the short end at the top
    TrackBar1->setTickPosition(QSlider::TicksRight);
    TrackBar1->setTickInterval(7); // marks at the two ends only
    TrackBar1->setPageStep(1);
    TrackBar1->setToolTip(QStringLiteral("Spieldauer-Einstellung"));

    AutoStartCheckBox = NeuesKaestchen(this, "AutoStartCheckBox",
                                       QStringLiteral("Automatischer Start"), {45, 304}, false);
    SetzeTextfarbe(AutoStartCheckBox, Rot);
    SetzeGrund(AutoStartCheckBox, Schwarz);
    AutoStartCheckBox->hide();

    EinzahlenButton =
        NeuerKnopf(this, "EinzahlenButton", QStringLiteral("Einzahlen"), {0, 0, 75, 25});
    AuszahlenButton =
        NeuerKnopf(this, "AuszahlenButton", QStringLiteral("Auszahlen"), {0, 0, 75, 25});
    RotateLinks = NeuerKnopf(this, "RotateLinks", QStringLiteral("RotateLinks"), {0, 0, 75, 25});
    RotateMitte = NeuerKnopf(this, "RotateMitte", QStringLiteral("RotateMitte"), {0, 0, 75, 25});
    RotateRechts = NeuerKnopf(this, "RotateRechts", QStringLiteral("RotateRechts"), {0, 0, 75, 25});
    for (QWidget* Versteckt :
         {static_cast<QWidget*>(EinzahlenButton), static_cast<QWidget*>(AuszahlenButton),
          static_cast<QWidget*>(RotateLinks), static_cast<QWidget*>(RotateMitte),
          static_cast<QWidget*>(RotateRechts)})
        Versteckt->hide();

    ImageOriginal = NeuesBild(this, "ImageOriginal", {0, 0, 250, 250}, Versteckt | EigeneGroesse);
    ImageDrehscheibe2 =
        NeuesBild(this, "ImageDrehscheibe2", {0, 0, 250, 250}, Versteckt | EigeneGroesse);
    ImageDrehendeScheibe =
        NeuesBild(this, "ImageDrehendeScheibe", {0, 0, 250, 250}, Versteckt | EigeneGroesse);
    ImageOriginalSchraube =
        NeuesBild(this, "ImageOriginalSchraube", {0, 0, 30, 30}, Versteckt | EigeneGroesse);
    for (const TBonuslampen& Lampen : Bonuslampen())
        for (auto [Bild, Zustand] :
             {std::pair{Lampen.Normal, "Normal"}, std::pair{Lampen.Aktiv, "Aktiv"}}) {
            this->*Bild = NeuesBild(this, Lampenbild(Lampen, Zustand).constData(), {0, 0, 35, 32},
                                    Versteckt | EigeneGroesse);
        }
}

void TMainForm::ErzeugeGesicht()
{
    QWidget* G = GroupBox2;
    DachImage = NeuesBild(G, "DachImage", {0, 0, 920, 73}, Gestreckt);
    Image1 = NeuesBild(G, "Image1", {2, 32, 50, 785}, Gestreckt);
    Image2 = NeuesBild(G, "Image2", {848, 32, 49, 785}, Gestreckt);
    Image7 = NeuesBild(G, "Image7", {47, 53, 198, 716}, Gestreckt);
    Image8 = NeuesBild(G, "Image8", {653, 53, 198, 716}, Gestreckt);
    ImageGesicht = NeuesBild(G, "ImageGesicht", {259, 93, 381, 620}, Gestreckt);
    Image3 = NeuesBild(G, "Image3", {246, 728, 397, 49}, Gestreckt);
    ImageDesignUnten = NeuesBild(G, "ImageDesignUnten", {42, 790, 812, 21}, Gestreckt);
    ImageVorlix = NeuesBild(G, "ImageVorlix", {52, 74, 150, 40}, EigeneGroesse | Durchsichtig);
    ImageDreieckLinks =
        NeuesBild(G, "ImageDreieckLinks", {135, 245, 100, 100}, EigeneGroesse | Gestreckt);
    ImageDreieckRechts =
        NeuesBild(G, "ImageDreieckRechts", {641, 242, 100, 100}, EigeneGroesse | Gestreckt);

    auto NeueScheibe = [G](const char* Name, int Links, int Oben) {
        auto* Scheibe = Benannt(new TImageWindow(G), Name);
        Scheibe->setGeometry(Links, Oben, 250, 250);
        Scheibe->SetStretch(true);
        Scheibe->SetRound(true);
        return Scheibe;
    };
    ScheibeLinks = NeueScheibe("ScheibeLinks", 116, 70);
    ScheibeMitte = NeueScheibe("ScheibeMitte", 319, 50);
    ScheibeRechts = NeueScheibe("ScheibeRechts", 534, 70);

    PfeilOben1 = NeuerBildKnopf(G, "PfeilOben1", {217, 178}, {47, 33}, "PfeilOben", {41, 27});
    PfeilOben2 = NeuerBildKnopf(G, "PfeilOben2", {420, 160}, {47, 33}, "PfeilOben", {41, 27});
    PfeilOben3 = NeuerBildKnopf(G, "PfeilOben3", {635, 178}, {47, 33}, "PfeilOben", {41, 27});
    PfeilGruen = NeuesBild(G, "PfeilGruen", {635, 320, 34, 28}, Versteckt | EigeneGroesse);
    PfeilRot = NeuesBild(G, "PfeilRot", {633, 320, 34, 28}, Versteckt | EigeneGroesse);
    PfeilLinks = NeuerBildKnopf(G, "PfeilLinks", {221, 320}, {}, "PfeilRot", {34, 28});
    PfeilMitte = NeuerBildKnopf(G, "PfeilMitte", {425, 301}, {}, "PfeilRot", {34, 28});
    PfeilRechts = NeuerBildKnopf(G, "PfeilRechts", {640, 320}, {}, "PfeilRot", {34, 28});

    SpielGeldSpeicherAnzeige =
        NeuesBild(G, "SpielGeldSpeicherAnzeige", {251, 358, 133, 39}, Gestreckt);
    SpielGeldSpeicherAnzeige->setToolTip(QStringLiteral("Euro"));
    SonderSpieleAnzeige = NeuesBild(G, "SonderSpieleAnzeige", {515, 358, 133, 39}, Gestreckt);
    SonderSpieleAnzeige->setToolTip(QStringLiteral("Sonderspiele"));
    // The displays draw on pictures of their own: each gets a copy that no other control shares.
    for (TBild* Anzeige : {SpielGeldSpeicherAnzeige, SonderSpieleAnzeige}) {
        QImage Eigenes = Anzeige->Picture().convertToFormat(QImage::Format_RGB32);
        Eigenes.detach();
        Anzeige->SetPicture(
            Eigenes, Bilder::Feinbild(Anzeige->Picture()).convertToFormat(QImage::Format_RGB32));
    }

    ImageSchraube = NeuesBild(G, "ImageSchraube", {431, 362, 30, 30}, Gestreckt | Durchsichtig,
                              "ImageOriginalSchraube");
    Augenbraue_links_Image =
        NeuesBild(G, "Augenbraue_links_Image", {262, 330, 124, 25}, Gestreckt | Durchsichtig);
    Augenbraue_rechts_Image =
        NeuesBild(G, "Augenbraue_rechts_Image", {514, 331, 124, 25}, Gestreckt | Durchsichtig);

    MenueBtn = NeuerBildKnopf(G, "MenueBtn", {408, 420}, {80, 78}, "MenueBtn", {72, 70});
    StartBtnGruen =
        NeuerBildKnopf(G, "StartBtnGruen", {408, 420}, {80, 78}, "StartBtnGruen", {72, 70});
    StopBtnGruen =
        NeuerBildKnopf(G, "StopBtnGruen", {408, 420}, {80, 78}, "StopBtnGruen", {72, 70});
    StartBtnGruen->hide();
    StopBtnGruen->hide();
}

void TMainForm::ErzeugeGesichtUnten()
{
    QWidget* G = GroupBox2;
    const QRect Schlitz(339, 554, 214, 40);
    Schein_Einzug = NeuesBild(G, "Schein_Einzug", Schlitz, Gestreckt | Durchsichtig);
    Schein_Einzug2 = NeuesBild(G, "Schein_Einzug2", Schlitz, Gestreckt | Durchsichtig | Versteckt);
    Scheine_Einz_gewellt1 =
        NeuesBild(G, "Scheine_Einz_gewellt1", Schlitz, Gestreckt | Durchsichtig | Versteckt);
    ScheinEinzug_Grinz =
        NeuesBild(G, "ScheinEinzug_Grinz", Schlitz, Gestreckt | Durchsichtig | Versteckt);
    Schein_Einzug_Baeh =
        NeuesBild(G, "Schein_Einzug_Baeh", Schlitz, Gestreckt | Durchsichtig | Versteckt);
    Schein = Benannt(new TBild(G), "Schein");
    Schein->SetStretch(true);
    Schein->setGeometry(400, 608, 105, 105);
    ImageSpritzer =
        NeuesBild(G, "ImageSpritzer", {240, 327, 417, 217}, Gestreckt | Durchsichtig | Versteckt);

    Image2mal = NeuesBild(G, "Image2mal", {794, 79, 50, 34}, Versteckt | EigeneGroesse);
    Image1mal = NeuesBild(G, "Image1mal", {794, 120, 50, 34}, Versteckt | EigeneGroesse);
    Image0mal = NeuesBild(G, "Image0mal", {794, 154, 50, 34}, Versteckt | EigeneGroesse);
    ImageRisiko = NeuesBild(G, "ImageRisiko", {799, 82, 44, 171}, Gestreckt);
    ImageRisiko->setToolTip(QStringLiteral("In Bezug auf Zahlengewinne"));
    Image2mal->raise();
    Image1mal->raise();
    Image0mal->raise();

    // One pixel below the design's 20, so that the longest message stays on the face even where
    // the size dialog has made the machine small and the font rounds up.
    Label1 = NeueBeschriftung(G, "Label1", QStringLiteral("  Klicke auf eine Münze oder Schein   "),
                              {256, 640}, Schrift(19, true), Rot);
    Label2 =
        NeueBeschriftung(G, "Label2", QStringLiteral("Label2"), {800, 771}, Schrift(12), Weiss);
    Label3 =
        NeueBeschriftung(G, "Label3", QStringLiteral(" kürzer"), {54, 154}, Schrift(12), Weiss);
    Label4 =
        NeueBeschriftung(G, "Label4", QStringLiteral(" länger"), {54, 274}, Schrift(12), Weiss);
    SetzeGrund(Label3, Schwarz);
    SetzeGrund(Label4, Schwarz);
    LabelBetrag = NeueBeschriftung(G, "LabelBetrag", QStringLiteral("   "), {777, 374},
                                   Schrift(16, true), Rot);
    BefehleLabel = NeueBeschriftung(
        G, "BefehleLabel",
        QStringLiteral("[Esc] = Beenden, [Enter] oder [Leertaste] = Spielstart bzw. Stop, ."),
        {225, 835}, Schrift(15, true), Schwarz);
    SetzeGrund(BefehleLabel, Weiss);
}

void TMainForm::ErzeugeBonusLampen()
{
    for (const TBonuslampen& Lampen : Bonuslampen()) {
        const QByteArray Unbeleuchtet = Lampenbild(Lampen, "Normal");
        for (int Nummer = 1; Nummer <= 3; ++Nummer) {
            const QByteArray Name = "ImageBonus" + QByteArray::number(Nummer) + '_' + Lampen.Frucht;
            this->*Lampen.Lampe[Nummer - 1] =
                NeuesBild(GroupBox2, Name.constData(), {Lampen.Ort[Nummer - 1], QSize(35, 32)},
                          Gestreckt | Durchsichtig | EigeneGroesse, Unbeleuchtet.constData());
        }
        (this->*Lampen.Lampe[2])->setToolTip(QLatin1String(Lampen.Hinweis));
    }
}

void TMainForm::ErzeugeGeldPanel()
{
    QWidget* P = GroupBox1;
    for (std::size_t I = 0; I < std::size(GeldPlaetze); ++I) {
        const TGeldPlatz& Platz = GeldPlaetze[I];
        this->*Platz.Bild =
            NeuesBild(P, Geld::GeldBilder()[I].Steuerelement, Platz.Platz, Platz.Art);
        (this->*Platz.Bild)->setCursor(Qt::PointingHandCursor);
    }
    NichtBedienbarImage =
        NeuesBild(P, "NichtBedienbarImage", {-16, -37, 369, 294}, Gestreckt | Durchsichtig);

    Bevel5 = NeuerRahmen(P, "Bevel5", {8, 259, 337, 105});
    Bevel1 = NeuerRahmen(P, "Bevel1", {8, 372, 337, 214});
    Bevel2 = NeuerRahmen(P, "Bevel2", {8, 590, 337, 97});

    KommentarHoeren =
        NeuesKaestchen(P, "KommentarHoeren", QStringLiteral("Geräusche ein"), {14, 268}, true);
    LogDateiSpeichern = NeuesKaestchen(P, "LogDateiSpeichern",
                                       QStringLiteral("Auswertung speichern"), {14, 299}, true);
    AutomatenGeldspeicherAnzeige =
        NeueBeschriftung(P, "AutomatenGeldspeicherAnzeige", QStringLiteral("100,00"), {17, 329},
                         Schrift(20, true), Rot);
    LabelEurostand = NeueBeschriftung(P, "LabelEurostand", QStringLiteral("Euro in Automatenkasse"),
                                      {130, 329}, Schrift(11, true), Rot);
    AutomatenGeldspeicherAnzeige->hide();
    LabelEurostand->hide();
}

void TMainForm::ErzeugeBedienung()
{
    QWidget* P = GroupBox1;
    AuswertLabel = NeueBeschriftung(P, "AuswertLabel", QStringLiteral("Auswertung erstellt für:"),
                                    {16, 382}, Schrift(11, true), Schwarz);
    Edit1 = Benannt(new QLineEdit(QStringLiteral("Kein Name"), P), "Edit1");
    Edit1->setGeometry(200, 379, 137, 24);
    Edit1->setFont(Schrift(11, true));

    Memo1 = Benannt(new TLogFeld(P), "Memo1");
    Memo1->setGeometry(16, 403, 321, 178);
    Memo1->setReadOnly(true);
    // Two pixels below the design's 15, so that a line shows the name, the amount and the time
    // in full; the rest of a line continues below it, broken between words. Only the rules of
    // underscores, which cannot be broken, reach past the edge.
    Memo1->setFont(FesteSchrift(13));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WordWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    ButtonRisiko =
        NeuerKnopf(P, "ButtonRisiko", QStringLiteral("Risikospiel ist ein!"), {16, 595, 161, 37});
    ButtonRisiko->setFont(Schrift(11, true));
    ButtonRisiko->setToolTip(QStringLiteral("Risiko: Doppelter Gewinn, einfacher oder nichts"));
    HilfeButton = NeuerKnopf(P, "HilfeButton", QStringLiteral("Hilfe"), {184, 595, 153, 37});
    HilfeButton->setFont(Schrift(11, true));
    GibMirMeinGeldBtn =
        NeuerKnopf(P, "GibMirMeinGeldBtn", QStringLiteral("Gib mir mein Geld, ich höre auf."),
                   {16, 640, 321, 41});
    GibMirMeinGeldBtn->setFont(Schrift(11, true));
    SetzeTextfarbe(GibMirMeinGeldBtn, Rot);
    // Red only while it can be pressed; in a game it looks as the style draws a disabled button.
    QPalette Farben = GibMirMeinGeldBtn->palette();
    Farben.setColor(QPalette::Disabled, QPalette::ButtonText,
                    QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    GibMirMeinGeldBtn->setPalette(Farben);
    GibMirMeinGeldBtn->SetGlyph(Bilder::Lade(QStringLiteral("GibMirMeinGeldBtn"), {24, 24},
                                             QStringLiteral("GibMirMeinGeldBtn")));
}

void TMainForm::ErzeugeTimer()
{
    // Runs only while a disc turns (discs/), from its first tick on at the spin picture's pace.
    TimerSchnellDrehendeScheibe = NeuerTimer(this, "TimerSchnellDrehendeScheibe", 30, false);
    TimerSpieldauer = NeuerTimer(this, "TimerSpieldauer", 8000, false);
    SchraubenTimer = NeuerTimer(this, "SchraubenTimer", 100, false);
    UhrzeitTimer = NeuerTimer(this, "UhrzeitTimer", 1000, true);
    Timer1 = NeuerTimer(this, "Timer1", 500, false);
    MachPause1 = Benannt(new TMachPause(this), "MachPause1");
    MachPause1->SetInterval(1000);
}

void TMainForm::VerbindeHandler()
{
    connect(TrackBar1, &QSlider::valueChanged, this, &TMainForm::TrackBar1Change);
    connect(AutoStartCheckBox, &QCheckBox::clicked, this, &TMainForm::AutoStartCheckBoxClick);
    connect(EinzahlenButton, &QPushButton::clicked, this, &TMainForm::EinzahlenButtonClick);
    connect(AuszahlenButton, &QPushButton::clicked, this, &TMainForm::AuszahlenButtonClick);
    connect(RotateLinks, &QPushButton::clicked, this, &TMainForm::RotateLinksClick);
    connect(RotateMitte, &QPushButton::clicked, this, &TMainForm::RotateRechtsClick);
    connect(RotateRechts, &QPushButton::clicked, this, &TMainForm::RotateRechtsClick);
    connect(LogoImage, &TBild::Click, this, &TMainForm::LogoImageClick);

    connect(MenueBtn, &QPushButton::clicked, this, &TMainForm::MenueBtnClick);
    connect(MenueBtn, &TBildKnopf::MausGedrueckt, this, &TMainForm::MenueBtnMouseDown);
    connect(StartBtnGruen, &QPushButton::clicked, this, &TMainForm::StartBtnGruenClick);
    connect(StopBtnGruen, &QPushButton::clicked, this, &TMainForm::StopBtnGruenClick);

    for (const TGeldPlatz& Platz : GeldPlaetze)
        connect(this->*Platz.Bild, &TBild::Click, this, Platz.Klick);

    connect(KommentarHoeren, &QCheckBox::toggled, this, &TMainForm::KommentarHoerenClick);
    connect(LogDateiSpeichern, &QCheckBox::toggled, this, &TMainForm::LogDateiSpeichernClick);
    connect(Edit1, &QLineEdit::textChanged, this, &TMainForm::Edit1Change);
    connect(ButtonRisiko, &QPushButton::clicked, this, &TMainForm::ButtonRisikoClick);
    connect(HilfeButton, &QPushButton::clicked, this, &TMainForm::HilfeButtonClick);
    connect(GibMirMeinGeldBtn, &QPushButton::clicked, this, &TMainForm::GibMirMeinGeldBtnClick);

    connect(TimerSchnellDrehendeScheibe, &QTimer::timeout, this,
            &TMainForm::TimerSchnellDrehendeScheibeTimer);
    connect(TimerSpieldauer, &QTimer::timeout, this, &TMainForm::TimerSpieldauerTimer);
    connect(SchraubenTimer, &QTimer::timeout, this, &TMainForm::SchraubenTimerTimer);
    connect(UhrzeitTimer, &QTimer::timeout, this, &TMainForm::UhrzeitTimerTimer);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
}
