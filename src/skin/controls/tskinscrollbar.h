#pragma once

#include "skin/controls/tskincontrol.h"

#include <optional>

class QAbstractScrollArea;

namespace skin {

class TWScrollbar;

// The skin of a control with scroll bars of its own (memos, lists, tables): each of its two
// scroll bars painted from the skin (TWScrollbar), the box between them in the face colour, and
// a two-ring border over its frame (shadow colour outside, face colour inside). No border for a
// frameless control, one whose BorderStyle property is bsNone, one of the vendor class
// TImageScrollBox, or one the discovery gave its bars alone (SetSingleBar). A control with an
// integer FixedColor property has it set to the skin's face colour until Restore. The control
// paints its own content first.
class TSkinScrollbar : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinScrollbar(QAbstractScrollArea *area);

    ControlKind Kind() const override { return ControlKind::Scrollbar; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void Restore() override;
    void ReapplyColor() override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
    // The bars are skinned without the border (background mode Skin).
    void SetSingleBar() { SetBackgroundMode(BackgroundMode::Skin); }
    TWScrollbar *HorzBar() const { return horz; }
    TWScrollbar *VertBar() const { return vert; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcScrollbar; }
    // Puts the painters on the bars; list views add their header.
    virtual void InitScrollbars();
    QAbstractScrollArea *Area() const;

private:
    bool DrawsBorder() const;
    void SetFixedColor();

    std::optional<int> savedFixedColor; // the control's own, while the skin's is set

    TWScrollbar *horz = nullptr; // children of this object
    TWScrollbar *vert = nullptr;
};

} // namespace skin
