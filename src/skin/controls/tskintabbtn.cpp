#include "skin/controls/tskintabbtn.h"

#include "skin/data/skinobjects.h"
#include "skin/draw/drawprimitives.h"

#include <QPainter>
#include <QTabWidget>

namespace skin {

bool HasButtonTabs(const QWidget *tabs) {
    const QString style = tabs ? tabs->property("tabStyle").toString() : QString();
    return qobject_cast<const QTabWidget *>(tabs) &&
           (style == QLatin1String("buttons") || style == QLatin1String("flatButtons"));
}

bool TSkinTabBtn::HasTabFace() const {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    return skin && skin->Buttons->HasImage();
}

QColor TSkinTabBtn::StripFill(const SkinObjects &skin) const {
    return FaceColour(skin);
}

void TSkinTabBtn::DrawTab(QPainter &canvas, const QRect &t, int state, const SkinObjects &skin) {
    const TDataSkinButton &buttons = *skin.Buttons;
    DrawPart(canvas, t, buttons.Image, false, buttons.Tile != 0, buttons.Trans == 1,
             buttons.FrameCount(), state, buttons.Margins());
    canvas.setPen(Qt::black);
    if (state == 1 && buttons.NormalColour2Given)
        canvas.setPen(SystemColour(buttons.NormalColour2));
    else if (state == 2 && buttons.PressedColour2Given)
        canvas.setPen(SystemColour(buttons.PressedColour2));
}

} // namespace skin
