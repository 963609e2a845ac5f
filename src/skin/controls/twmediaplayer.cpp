#include "skin/controls/twmediaplayer.h"

#include "skin/controls/tskincontrol.h"
#include "skin/data/skinobjects.h"
#include "skin/data/tskindata.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/keyedblit.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace skin {

namespace {

const char *const ButtonNames[MediaButtonCount] = {
    "btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"};

// The set property as text: "[btPlay,btStop]" as it stands, a list joined.
QString SetText(const QWidget *player, const char *name) {
    const QVariant value = player->property(name);
    if (value.canConvert<QStringList>() && value.typeId() == QMetaType::QStringList)
        return QLatin1Char('[') + value.toStringList().join(QLatin1Char(',')) + QLatin1Char(']');
    return value.toString();
}

} // namespace

TWMediaPlayer::TWMediaPlayer(QWidget *parent) : QWidget(parent) {
    for (int kind = 0; kind < MediaButtonCount; ++kind)
        for (int state = 0; state < 3; ++state)
            glyphs[kind][state] = MediaPlayerGlyph(MediaButton(kind), MediaGlyphState(state));
}

void TWMediaPlayer::Attach(QWidget *player, TSkinControl *skin, TSkinData *data) {
    mediaPlayer = player;
    skinControl = skin;
    skinData = data;
    if (data)
        setProperty("tag", data->DisableTag()); // the panel itself is never skinned
    setParent(player ? player->parentWidget() : nullptr);
    PlaceOver(player);
}

void TWMediaPlayer::PlaceOver(const QWidget *player) {
    if (!player)
        return;
    setGeometry(player->geometry());
    raise();
    Layout();
}

void TWMediaPlayer::ReadFlags() {
    if (!mediaPlayer)
        return;
    const QString shown = SetText(mediaPlayer, "visibleButtons");
    const QString enabledSet = SetText(mediaPlayer, "enabledButtons");
    const QString coloured = SetText(mediaPlayer, "coloredButtons");
    for (int kind = 0; kind < MediaButtonCount; ++kind) {
        const QLatin1String name(ButtonNames[kind]);
        visibleFlags[kind] = shown.contains(name);
        enabledFlags[kind] = enabledSet.contains(name);
        coloredFlags[kind] = coloured.contains(name);
    }
}

void TWMediaPlayer::Layout() {
    ReadFlags();
    buttonCount = int(std::count(visibleFlags.begin(), visibleFlags.end(), true));
    buttonWidth = buttonCount ? width() / buttonCount : 0;
}

int TWMediaPlayer::HitTest(int x) {
    hitIndex = NoButton;
    int pos = 0;
    for (int kind = 0; kind < MediaButtonCount && hitIndex == NoButton; ++kind) {
        if (!visibleFlags[kind])
            continue;
        if (x >= pos && x <= pos + buttonWidth)
            hitIndex = kind;
        pos += buttonWidth;
    }
    return hitIndex;
}

void TWMediaPlayer::paintEvent(QPaintEvent *) {
    Layout();
    const std::shared_ptr<const SkinObjects> skin = skinData ? skinData->Objects() : nullptr;
    const QColor face =
        skin ? SkinToQColor(skin->ButtonFace, palette()) : palette().button().color();
    QImage image(size(), QImage::Format_RGB32);
    image.fill(face);
    if (skin && buttonCount > 0) {
        QPainter canvas(&image);
        int x = 0;
        for (int kind = 0; kind < MediaButtonCount; ++kind) {
            if (!visibleFlags[kind])
                continue;
            DrawCell(canvas, QRect(x, 0, buttonWidth, height()), kind);
            x += buttonWidth;
        }
    }
    QPainter(this).drawImage(0, 0, image);
}

void TWMediaPlayer::DrawCell(QPainter &p, const QRect &cell, int kind) {
    const std::shared_ptr<const SkinObjects> skin = skinData->Objects();
    const TDataSkinButton &buttons = *skin->Buttons;
    const bool on = enabledFlags[kind];
    const MediaGlyphState state = !on                  ? MediaGlyphState::Disabled
                                  : coloredFlags[kind] ? MediaGlyphState::Coloured
                                                       : MediaGlyphState::Enabled;
    const int frame = !on ? 3 : mouseIsDown && pressedIndex == kind ? 2 : 1;
    DrawPart(p, cell, buttons.Image, false, buttons.Tile != 0, buttons.Trans == 1,
             buttons.FrameCount(), frame, buttons.Margins());
    const QImage &glyph = glyphs[kind][int(state)];
    QPoint at = cell.topLeft() +
                QPoint((cell.width() - glyph.width()) / 2, (cell.height() - glyph.height()) / 2);
    if (frame == 2)
        at += QPoint(1, 1);
    BlitKeyed(p, QRect(at, glyph.size()), glyph, MediaGlyphKey);
}

void TWMediaPlayer::Forward(QMouseEvent *event) {
    if (!mediaPlayer)
        return;
    QMouseEvent copy(event->type(), event->position(), event->scenePosition(),
                     event->globalPosition(), event->button(), event->buttons(),
                     event->modifiers());
    QCoreApplication::sendEvent(mediaPlayer, &copy);
}

void TWMediaPlayer::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    mouseIsDown = true;
    Forward(event);
    pressedIndex = HitTest(event->position().toPoint().x());
    update();
}

void TWMediaPlayer::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    mouseIsDown = false;
    const int hit = HitTest(event->position().toPoint().x());
    // A click completes only on the button that was pressed.
    if (hit == pressedIndex)
        Forward(event);
    pressedIndex = hit;
    update();
}

} // namespace skin
