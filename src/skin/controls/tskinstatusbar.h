#pragma once

#include "skin/controls/tskincontrol.h"

class QStatusBar;

namespace skin {

// The edge of a status-bar panel from the skin's StatusBarEdges strip (1 lowered, 2 raised,
// 3 none), opaque.
void DrawStatusEdge(QPainter &dc, const QRect &rect, int frame, const TDataSkinObject &edges);
// A plain 1-pixel bevel in the system colours: frame 1 lowered, 2 raised, others nothing.
void DrawStatusBevel(QPainter &dc, const QRect &rect, int frame, const QPalette &palette);

// A status bar painted whole: each label in it is a text panel (its bevel from the label's
// frame shadow: sunken 1, raised 2, no frame or plain 3), any other child widget a panel that
// paints itself over its edge; a message shown by the bar is drawn over the whole bar with a
// lowered edge. The size grip is frame 5 of the skin's ExtraImages strip. The labels and the
// grip do not paint themselves while the bar is skinned.
class TSkinStatusBar : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinStatusBar(QStatusBar *bar);
    ControlKind Kind() const override { return ControlKind::StatusBar; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcStatusBar; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    Message BeforeMessage(QEvent *event) override;

private:
    void WatchChild(QObject *child);
    QList<QWidget *> Panels() const;
};

} // namespace skin
