#pragma once

#include "skin/controls/tskincontrol.h"

#include <QList>

class QLabel;
class QStatusBar;

namespace skin {

// The edge of a status-bar panel from the skin's StatusBarEdges strip (1 lowered, 2 raised,
// 3 none), opaque.
void DrawStatusEdge(QPainter &dc, const QRect &rect, int frame, const TDataSkinObject &edges);
// A plain 1-pixel bevel in the system colours: frame 1 lowered, 2 raised, others nothing.
void DrawStatusBevel(QPainter &dc, const QRect &rect, int frame, const QPalette &palette);

// A status bar painted whole: each child widget stands on a panel (its bevel from a frame's
// shadow: sunken 1, raised 2, no frame or plain 3) and paints its own content on it, a label
// in the edges' text colour; a label's own frame is covered by the skin's edge. A message
// shown by the bar is drawn with a lowered edge left of the widgets that stay (the whole bar
// when none does). The size grip is frame 5 of the skin's ExtraImages strip.
class TSkinStatusBar : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinStatusBar(QStatusBar *bar);
    ControlKind Kind() const override { return ControlKind::StatusBar; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void ReapplyColor() override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcStatusBar; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    Message BeforeMessage(QEvent *event) override;
    // The caption is the bar's message.
    ControlState ReadControlState() const override;

private:
    // A child widget's panel: its place stretched 2 pixels right (the last one to the bar's
    // right edge while no message shows) and the frame of its edge.
    struct Panel {
        const QWidget *widget;
        QRect rect;
        int frame;
    };

    void WatchChild(QObject *child);
    // Lays the panels and the message's place out again from the children's places.
    void UpdatePanels();
    // The label paints itself, then the skin's edge covers the label's own frame.
    void PaintLabel(QLabel *label, QEvent *paint);
    void DrawEdge(QPainter &dc, const QRect &rect, int frame, const SkinObjects &skin) const;
    void ApplyTextColour();

    QList<Panel> panels;
    QRect messageRect; // null while the widgets fill the bar
    bool inChildPaint = false;
};

} // namespace skin
