#pragma once

class QWidget;

namespace ledger {

// Paints a field's background as a locked field (the tool-tip colour) or an editable one.
void setFieldLocked(QWidget *field, bool locked);

} // namespace ledger
