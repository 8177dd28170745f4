#include "ui/Skalierung.h"

#include "ui/Skalierungsmathe.h"

#include <QCheckBox>
#include <QFont>
#include <QStyle>
#include <QVector>
#include <QWidget>

namespace Skalierung {

namespace {

struct TSteuerelement
{
    QWidget* Widget;
    QRect Geometrie;
    QFont Schrift;
    bool EigeneSchrift;
};

// Separate windows (dialogs, message boxes) that happen to be children keep their size.
void SammleKinder(QWidget* Eltern, QVector<TSteuerelement>& Liste)
{
    for (QObject* Objekt : Eltern->children()) {
        auto* Kind = qobject_cast<QWidget*>(Objekt);
        if (Kind == nullptr || Kind->isWindow())
            continue;
        Liste.append({Kind, Kind->geometry(), Kind->font(), Kind->testAttribute(Qt::WA_SetFont)});
        SammleKinder(Kind, Liste);
    }
}

QFont SkaliereSchrift(QFont Schrift, int Zaehler, int Nenner)
{
    if (Schrift.pixelSize() > 0)
        Schrift.setPixelSize(qMax(1, MulDiv(Schrift.pixelSize(), Zaehler, Nenner)));
    else if (Schrift.pointSize() > 0)
        Schrift.setPointSize(qMax(1, MulDiv(Schrift.pointSize(), Zaehler, Nenner)));
    else if (Schrift.pointSizeF() > 0)
        Schrift.setPointSizeF(Schrift.pointSizeF() * Zaehler / Nenner);
    return Schrift;
}

// A check box's tick square and the gap beside it come from the style at one size; unless they
// shrink and grow with the box, a smaller box pushes its caption out at the side.
void SkaliereHaken(QCheckBox* Kaestchen, int Zaehler, int Nenner)
{
    constexpr char Mass[] = "vorlixHakenmass"; // tick square and gap as they are now, unrounded
    QPointF Jetzt = Kaestchen->property(Mass).toPointF();
    if (!Kaestchen->property(Mass).isValid()) {
        const QStyle* Stil = Kaestchen->style();
        Jetzt = QPointF(Stil->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, Kaestchen),
                        Stil->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, Kaestchen));
    }
    const QPointF Neu = Jetzt * Zaehler / Nenner;
    Kaestchen->setProperty(Mass, Neu);
    Kaestchen->setStyleSheet(QStringLiteral("QCheckBox { spacing: %2px; } "
                                            "QCheckBox::indicator { width: %1px; height: %1px; }")
                                 .arg(qMax(1, qRound(Neu.x())))
                                 .arg(qMax(0, qRound(Neu.y()))));
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

    Wurzel->setFont(SkaliereSchrift(WurzelSchrift, Zaehler, Nenner));
    for (const TSteuerelement& Kind : Kinder) {
        if (Kind.EigeneSchrift)
            Kind.Widget->setFont(SkaliereSchrift(Kind.Schrift, Zaehler, Nenner));
        if (auto* Kaestchen = qobject_cast<QCheckBox*>(Kind.Widget))
            SkaliereHaken(Kaestchen, Zaehler, Nenner);
    }
    // Geometry last, so that controls which fit themselves to a new font end as scaled.
    for (const TSteuerelement& Kind : Kinder)
        Kind.Widget->setGeometry(SkaliereRechteck(Kind.Geometrie, Zaehler, Nenner));
    Wurzel->resize(MulDiv(WurzelGroesse.width(), Zaehler, Nenner),
                   MulDiv(WurzelGroesse.height(), Zaehler, Nenner));
}

} // namespace Skalierung
