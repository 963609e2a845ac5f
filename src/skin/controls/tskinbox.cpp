#include "skin/controls/tskinbox.h"

namespace skin {

TSkinBox::TSkinBox(QWidget *panel) : TSkinControl(panel) {}

} // namespace skin
