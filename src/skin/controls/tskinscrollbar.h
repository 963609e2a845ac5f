#pragma once

#include "skin/controls/tskincontrol.h"

class QAbstractScrollArea;

namespace skin {

class TWScrollbar;

// The skin of a control with scroll bars of its own (memos, lists, tables): each of its two
// scroll bars painted from the skin (TWScrollbar), the box between them in the face colour, and
// a two-ring border over its frame (shadow colour outside, face colour inside). A frameless
// control, or one the discovery marked as a bare scroll bar holder (background mode Skin), gets no
// border. The control paints its own content first.
class TSkinScrollbar : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinScrollbar(QAbstractScrollArea *area);

    ControlKind Kind() const override { return ControlKind::Scrollbar; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
    TWScrollbar *HorzBar() const { return horz; }
    TWScrollbar *VertBar() const { return vert; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcScrollbar; }
    // Puts the painters on the bars; list views add their header.
    virtual void InitScrollbars();
    QAbstractScrollArea *Area() const;

private:
    bool DrawsBorder() const;

    TWScrollbar *horz = nullptr; // children of this object
    TWScrollbar *vert = nullptr;
};

} // namespace skin
