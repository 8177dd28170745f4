#include "ui/Skalierung.h"

#include "ui/Skalierungsmathe.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QProxyStyle>
#include <QVector>
#include <QWidget>

namespace Skalierung {

namespace {

// Each control keeps its position, size and font size unrounded, so that rounding to whole pixels
// does not pile up over many steps of the size dialog: after 99/100 and 101/100 a control stands
// where one scaling by the product puts it, and touches its panel's edge as it did before. A value
// that something else changed in between (the panel arrangement, the coin row) counts as it is.
constexpr char GenaueLage[] = "vorlixGenaueLage";
constexpr char GenaueSchrift[] = "vorlixGenaueSchrift";
constexpr char HakenMass[] = "vorlixHakenmass"; // tick square and gap, unrounded

struct TStrecke
{
    double Anfang;
    double Laenge;
};

// One axis of a control: the unrounded values while they still round to the control's pixels;
// moved along by whole pixels when only the position changed; the pixels themselves otherwise.
TStrecke Genau(TStrecke Gemerkt, int Anfang, int Laenge)
{
    const int GemerktAnfang = qRound(Gemerkt.Anfang);
    if (qRound(Gemerkt.Anfang + Gemerkt.Laenge) - GemerktAnfang != Laenge)
        return {double(Anfang), double(Laenge)};
    return {Gemerkt.Anfang + (Anfang - GemerktAnfang), Gemerkt.Laenge};
}

QRectF GenaueGeometrie(const QWidget* Steuerelement)
{
    const QRect Jetzt = Steuerelement->geometry();
    const QVariant Gemerkt = Steuerelement->property(GenaueLage);
    if (!Gemerkt.isValid())
        return QRectF(Jetzt);
    const QRectF G = Gemerkt.toRectF();
    const TStrecke X = Genau({G.x(), G.width()}, Jetzt.x(), Jetzt.width());
    const TStrecke Y = Genau({G.y(), G.height()}, Jetzt.y(), Jetzt.height());
    return {X.Anfang, Y.Anfang, X.Laenge, Y.Laenge};
}

// Left and right, top and bottom edges are rounded each on its own, so controls that touch keep
// touching.
QRect Gerundet(const QRectF& R)
{
    const int Links = qRound(R.left()), Oben = qRound(R.top());
    return QRect(Links, Oben, qRound(R.left() + R.width()) - Links,
                 qRound(R.top() + R.height()) - Oben);
}

struct TSteuerelement
{
    QWidget* Widget;
    QRectF Geometrie;
    QFont Schrift;
    bool EigeneSchrift;
};

// Separate windows (dialogs, message boxes) that happen to be children keep their size; the
// parts of a scrolling box (its viewport and scroll bars) are laid out by the box itself.
void SammleKinder(QWidget* Eltern, QVector<TSteuerelement>& Liste)
{
    for (QObject* Objekt : Eltern->children()) {
        auto* Kind = qobject_cast<QWidget*>(Objekt);
        if (Kind == nullptr || Kind->isWindow())
            continue;
        Liste.append(
            {Kind, GenaueGeometrie(Kind), Kind->font(), Kind->testAttribute(Qt::WA_SetFont)});
        if (!qobject_cast<QAbstractScrollArea*>(Kind))
            SammleKinder(Kind, Liste);
    }
}

QFont SkaliereSchrift(QWidget* Steuerelement, QFont Schrift, int Zaehler, int Nenner)
{
    if (Schrift.pixelSize() > 0) {
        const QVariant Gemerkt = Steuerelement->property(GenaueSchrift);
        const double Vorher = Gemerkt.isValid() && qRound(Gemerkt.toDouble()) == Schrift.pixelSize()
                                  ? Gemerkt.toDouble()
                                  : Schrift.pixelSize();
        const double Neu = Vorher * Zaehler / Nenner;
        Schrift.setPixelSize(qMax(1, qRound(Neu)));
        Steuerelement->setProperty(GenaueSchrift, Neu);
    } else if (Schrift.pointSizeF() > 0) {
        Schrift.setPointSizeF(Schrift.pointSizeF() * Zaehler / Nenner);
    }
    return Schrift;
}

// The tick square and its gap as the box's own measures. A style sheet would do the same, but it
// cuts the box off from its panel's font, and the caption no longer fits.
class THakenStil : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric Mass, const QStyleOption* Option,
                    const QWidget* Steuerelement) const override
    {
        const QVariant Eigen = Steuerelement ? Steuerelement->property(HakenMass) : QVariant();
        if (Eigen.isValid() && (Mass == PM_IndicatorWidth || Mass == PM_IndicatorHeight))
            return qMax(1, qRound(Eigen.toPointF().x()));
        if (Eigen.isValid() && Mass == PM_CheckBoxLabelSpacing)
            return qMax(0, qRound(Eigen.toPointF().y()));
        return QProxyStyle::pixelMetric(Mass, Option, Steuerelement);
    }
};

// A check box's tick square and the gap beside it come from the style at one size; unless they
// shrink and grow with the box, a smaller box pushes its caption out at the side.
void SkaliereHaken(QCheckBox* Kaestchen, int Zaehler, int Nenner)
{
    static THakenStil* const Stil = [] {
        auto* Neu = new THakenStil;
        Neu->setParent(qApp);
        return Neu;
    }();
    QPointF Jetzt = Kaestchen->property(HakenMass).toPointF();
    if (!Kaestchen->property(HakenMass).isValid()) {
        const QStyle* Vorher = Kaestchen->style();
        Jetzt = QPointF(Vorher->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, Kaestchen),
                        Vorher->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, Kaestchen));
    }
    Kaestchen->setProperty(HakenMass, Jetzt * Zaehler / Nenner);
    if (Kaestchen->style() != Stil)
        Kaestchen->setStyle(Stil);
    Kaestchen->updateGeometry();
}

} // namespace

void SkaliereFenster(QWidget* Wurzel, int Zaehler, int Nenner)
{
    if (Wurzel == nullptr || Zaehler == Nenner || Zaehler <= 0 || Nenner <= 0)
        return;

    // Every size is taken before anything changes: a font set on a parent must not reach the
    // children that inherit it a second time.
    QVector<TSteuerelement> Kinder;
    SammleKinder(Wurzel, Kinder);
    const QFont WurzelSchrift = Wurzel->font();
    const QSize WurzelGroesse = Wurzel->size();

    Wurzel->setFont(SkaliereSchrift(Wurzel, WurzelSchrift, Zaehler, Nenner));
    for (const TSteuerelement& Kind : Kinder) {
        if (Kind.EigeneSchrift)
            Kind.Widget->setFont(SkaliereSchrift(Kind.Widget, Kind.Schrift, Zaehler, Nenner));
        if (auto* Kaestchen = qobject_cast<QCheckBox*>(Kind.Widget))
            SkaliereHaken(Kaestchen, Zaehler, Nenner);
    }
    // Geometry last, so that controls which fit themselves to a new font end as scaled.
    for (const TSteuerelement& Kind : Kinder) {
        const QRectF Neu(
            Kind.Geometrie.x() * Zaehler / Nenner, Kind.Geometrie.y() * Zaehler / Nenner,
            Kind.Geometrie.width() * Zaehler / Nenner, Kind.Geometrie.height() * Zaehler / Nenner);
        Kind.Widget->setGeometry(Gerundet(Neu));
        Kind.Widget->setProperty(GenaueLage, Neu);
        // A font size is a whole number of pixels: where it rounds up, a check box's caption
        // would need a pixel or two more than the box's scaled width, and gets them.
        if (auto* Kaestchen = qobject_cast<QCheckBox*>(Kind.Widget))
            Kaestchen->resize(qMax(Kaestchen->width(), Kaestchen->sizeHint().width()),
                              Kaestchen->height());
    }
    // A window's own size belongs to the window manager; resizing a maximised one would end its
    // maximised state.
    if (!Wurzel->isWindow())
        Wurzel->resize(MulDiv(WurzelGroesse.width(), Zaehler, Nenner),
                       MulDiv(WurzelGroesse.height(), Zaehler, Nenner));
}

} // namespace Skalierung
