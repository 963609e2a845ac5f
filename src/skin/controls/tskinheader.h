#pragma once

#include "skin/controls/skinimagecache.h"
#include "skin/controls/tskincontrol.h"

class QHeaderView;

namespace skin {

// The sections of a header (a list's column header) painted from the skin's Headerbar image:
// frame 1, frame 2 for the section under the pointer, each with its caption and icon; the width
// past the last section in frame 1. The 3 pixels at either side of a divider never make a
// section hot: there the hot section stays as it was. Resizing, moving and clicking the sections
// stay the header's. Without a Headerbar image the header paints itself.
class TSkinHeader : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinHeader(QHeaderView *header);

    // Part of a list view's skin.
    ControlKind Kind() const override { return ControlKind::ListView; }

    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
    // The logical index of the hot section; -1 for none.
    int HotSection() const { return hotSection; }

protected:
    Message BeforeMessage(QEvent *event) override;
    void AfterMessage(QEvent *event) override;

private:
    QHeaderView *Header() const;
    bool HasHeaderImage() const;
    // The section whose rectangle, narrowed by 3 pixels at each side, holds pos; -1 for none.
    int SectionAt(const QPoint &pos) const;
    void SetHot(int section);

    int hotSection = -1;
    TSkinImageCache cache;
};

} // namespace skin
