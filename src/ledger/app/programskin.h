#pragma once

class QWidget;

namespace skin {
class TSkinData;
}

namespace ledger {

// The tag that leaves a control unskinned.
inline constexpr int kDisableTag = 99;

// Gives a window the program's skin component "SkinData1": the embedded skin package, active,
// skinning every control kind except menu items and report controls, and finishes its loading.
skin::TSkinData *attachProgramSkin(QWidget *window);

} // namespace ledger
