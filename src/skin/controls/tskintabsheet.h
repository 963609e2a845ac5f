#pragma once

#include "skin/controls/tskinfacefill.h"

namespace skin {

// A page of a tab widget filled with the skin's face colour; its children paint on it. A page
// that showed its parent's background when skinned (background mode Skin) keeps its own painting.
class TSkinTabSheet : public TSkinFaceFill {
    Q_OBJECT

public:
    explicit TSkinTabSheet(QWidget *page) : TSkinFaceFill(page) {}

    ControlKind Kind() const override { return ControlKind::TabSheet; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcTab; }
    bool Fills() const override { return Background() == BackgroundMode::Native; }
};

} // namespace skin
