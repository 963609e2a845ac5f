#include "skin/controls/tskingroupbox.h"

#include "skin/controls/controldraw.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyle>

namespace skin {

TSkinGroupBox::TSkinGroupBox(QGroupBox *box) : TSkinControl(box) {}

void TSkinGroupBox::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    SetBackgroundMode(Control() ? BackgroundMode::Skin : BackgroundMode::Native);
}

TSkinControl::Message TSkinGroupBox::BeforeMessage(QEvent *event) {
    const auto *box = qobject_cast<const QGroupBox *>(Control());
    if (event->type() == QEvent::Paint && Background() == BackgroundMode::Skin && box &&
        !box->isCheckable() && Skin()) {
        PaintMessage();
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

ControlState TSkinGroupBox::ReadControlState() const {
    ControlState state = TSkinControl::ReadControlState();
    if (const auto *box = qobject_cast<const QGroupBox *>(Control()))
        state.caption = box->title();
    return state;
}

void TSkinGroupBox::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QWidget *control = Control();
    const auto *box = qobject_cast<const QGroupBox *>(control);
    if (!skin || !box)
        return;
    const QString &caption = state.caption;
    FillSkinColor(dc, rect, *skin);
    dc.save();
    dc.setFont(control->font());
    const int h = dc.fontMetrics().height();

    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.setPen(SystemColour(skin->ButtonShadow));
    dc.setBrush(Qt::NoBrush);
    const int top = h / 2 - 1;
    dc.drawRoundedRect(
        QRect(rect.left() + 1, rect.top() + top, rect.width() - 3, rect.height() - top - 2), 2.5,
        2.5);

    if (!caption.isEmpty()) {
        const Qt::Alignment align =
            QStyle::visualAlignment(control->layoutDirection(), box->alignment());
        QRect textRect = rect;
        SkinTextFormat format{Qt::AlignLeft, Qt::TextExpandTabs | Qt::TextShowMnemonic};
        if (align & Qt::AlignRight) {
            textRect.setRight(textRect.right() - 8);
            format.align = Qt::AlignRight;
            format = AddRTLFlag(control, format);
        } else {
            textRect.setLeft(textRect.left() + 8);
        }
        // The title sits on the face colour, cutting the line.
        QRect cell = textRect;
        SkinDrawText(dc, caption, cell, format.measuring());
        if (format.align & Qt::AlignRight)
            cell.moveRight(textRect.right());
        dc.fillRect(cell, FaceColour(*skin));
        dc.setPen(control->palette().color(control->foregroundRole()));
        SkinDrawText(dc, caption, textRect, format);
    }
    dc.restore();
}

} // namespace skin
