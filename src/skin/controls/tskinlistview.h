#pragma once

#include "skin/controls/tskinscrollbar.h"

namespace skin {

class TSkinHeader;

// A list with a column header (a report list): its scroll bars and border as TSkinScrollbar,
// and its header skinned by a TSkinHeader this one makes and owns. A list without a shown
// header gets the scroll bars only.
class TSkinListView : public TSkinScrollbar {
    Q_OBJECT

public:
    explicit TSkinListView(QAbstractScrollArea *list);

    ControlKind Kind() const override { return ControlKind::ListView; }

    // The header skin is detached with this one.
    void Restore() override;
    TSkinHeader *HeaderSkin() const { return headerSkin; }

protected:
    void InitScrollbars() override;

private:
    TSkinHeader *headerSkin = nullptr; // a child of this object
};

} // namespace skin
