#include "skin/controls/tarrowbutton.h"

#include "skin/controls/tskincontrol.h"
#include "skin/data/skinmetrics.h"
#include "skin/draw/skincolor.h"
#include "skin/draw/stripframe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace skin {

namespace {
constexpr int PickerFrame = 2;
} // namespace

TArrowButton::TArrowButton(TSkinControl *creator, QWidget *picker)
    : QWidget(picker), creator(creator), picker(picker) {
    setFocusPolicy(Qt::NoFocus);
    setProperty("tag", creator && creator->SkinData() ? creator->SkinData()->DisableTag() : 99);
    Place();
    show();
}

void TArrowButton::Place() {
    if (!picker)
        return;
    const int x = picker->layoutDirection() == Qt::RightToLeft
                      ? PickerFrame
                      : picker->width() - PickerFrame - kArrowSize;
    setGeometry(x, PickerFrame, kArrowSize, std::max(0, picker->height() - 2 * PickerFrame));
}

bool TArrowButton::Active() const {
    if (!creator || !creator->SkinEnabled() || !creator->SkinData())
        return false;
    const auto skin = creator->SkinData()->Objects();
    return skin && skin->ComboxArrow && skin->ComboxArrow->HasImage();
}

void TArrowButton::paintEvent(QPaintEvent *) {
    if (!Active())
        return;
    const auto skin = creator->SkinData()->Objects();
    const TDataSkinObject &arrow = *skin->ComboxArrow;
    QImage image(size(), QImage::Format_RGB32);
    image.fill(SkinToQColor(skin->ButtonFace, palette()));
    StretchCopy(image, image.rect(), arrow.Image,
                arrow.FrameRect(hot ? 4 : 1).intersected(arrow.Image.rect()));
    QPainter(this).drawImage(0, 0, image);
}

void TArrowButton::SetHot(bool on) {
    if (on == hot)
        return;
    hot = on;
    update();
}

void TArrowButton::enterEvent(QEnterEvent *) {
    SetHot(picker && picker->isEnabled());
}

void TArrowButton::leaveEvent(QEvent *) {
    SetHot(false);
}

void TArrowButton::changeEvent(QEvent *event) {
    if (event->type() == QEvent::EnabledChange)
        SetHot(picker && picker->isEnabled() && PointerIn(this));
    QWidget::changeEvent(event);
}

bool TArrowButton::eventFilter(QObject *watched, QEvent *event) {
    if (watched == calendar && event->type() == QEvent::Hide)
        SetHot(picker && picker->isEnabled() && PointerIn(this));
    return false;
}

void TArrowButton::mousePressEvent(QMouseEvent *event) {
    if (!picker)
        return;
    const QPointF at = event->position() + pos();
    const QPointF global = picker->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, event->button(), event->buttons(),
                      event->modifiers());
    QCoreApplication::sendEvent(picker, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, event->button(), Qt::NoButton,
                        event->modifiers());
    QCoreApplication::sendEvent(picker, &release);
    picker->setFocus(Qt::MouseFocusReason);
    if (QWidget *shown = QApplication::activePopupWidget(); shown && shown != calendar) {
        calendar = shown;
        calendar->installEventFilter(this);
    }
    update();
}

} // namespace skin
