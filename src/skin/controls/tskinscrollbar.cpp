#include "skin/controls/tskinscrollbar.h"

#include "skin/controls/propbyname.h"
#include "skin/controls/tskinedit.h"
#include "skin/controls/twscrollbar.h"
#include "skin/controls/vendorclass.h"
#include "skin/data/skinobjects.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollBar>

namespace skin {

namespace {

const QString FixedColorName = QStringLiteral("FixedColor");
const QString BorderStyleName = QStringLiteral("BorderStyle");

} // namespace

TSkinScrollbar::TSkinScrollbar(QAbstractScrollArea *area) : TSkinControl(area) {}

QAbstractScrollArea *TSkinScrollbar::Area() const {
    return qobject_cast<QAbstractScrollArea *>(Control());
}

void TSkinScrollbar::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    SetFixedColor();
    InitScrollbars();
}

void TSkinScrollbar::Restore() {
    if (savedFixedColor)
        SetPropByName(Control(), FixedColorName, QString::number(*savedFixedColor));
    savedFixedColor.reset();
    TSkinControl::Restore();
}

void TSkinScrollbar::ReapplyColor() {
    SetFixedColor();
    TSkinControl::ReapplyColor();
}

void TSkinScrollbar::SetFixedColor() {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QWidget *control = Control();
    if (!skin || !HasIntPropByName(control, FixedColorName))
        return;
    // The control's own colour is kept once: a later skin's face colour is no colour of its own.
    if (!savedFixedColor)
        savedFixedColor = GetIntPropByName(control, FixedColorName);
    SetPropByName(control, FixedColorName, QString::number(skin->ButtonFace));
}

void TSkinScrollbar::InitScrollbars() {
    QAbstractScrollArea *area = Area();
    if (!area || horz)
        return;
    horz = new TWScrollbar(this, area->horizontalScrollBar(), TSkinData::xcScrollbar);
    vert = new TWScrollbar(this, area->verticalScrollBar(), TSkinData::xcScrollbar);
}

bool TSkinScrollbar::DrawsBorder() const {
    const QAbstractScrollArea *area = Area();
    if (!area || Background() == BackgroundMode::Skin || area->frameShape() == QFrame::NoFrame ||
        area->frameWidth() <= 0 || VendorClassName(area) == QLatin1String("TIMAGESCROLLBOX"))
        return false;
    QString borderStyle = GetEnumPropByName(area, BorderStyleName);
    if (borderStyle.isEmpty())
        borderStyle = GetStrPropByName(area, BorderStyleName);
    return borderStyle.compare(QLatin1String("bsNone"), Qt::CaseInsensitive) != 0;
}

void TSkinScrollbar::DrawControl(QPainter &dc, const QRect &rect, const ControlState &) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QAbstractScrollArea *area = Area();
    if (!skin || !area)
        return;
    const QColor face = FaceColour(*skin);
    const QScrollBar *h = area->horizontalScrollBar();
    const QScrollBar *v = area->verticalScrollBar();
    if (h->isVisible() && v->isVisible()) {
        const QPoint hAt = h->mapTo(area, QPoint(0, 0));
        const QPoint vAt = v->mapTo(area, QPoint(0, 0));
        dc.fillRect(QRect(vAt.x(), hAt.y(), v->width(), h->height()), face);
    }
    if (DrawsBorder())
        DrawSunkenRings(dc, rect, SystemColour(skin->ButtonShadow), face, 1);
}

} // namespace skin
