#include "skin/controls/controlskinfactory.h"

#include "skin/controls/tskinbitbutton.h"
#include "skin/controls/tskinbox.h"
#include "skin/controls/tskinbutton.h"
#include "skin/controls/tskincheckbox.h"
#include "skin/controls/tskingroupbox.h"
#include "skin/controls/tskinmenubutton.h"
#include "skin/controls/tskinradiobutton.h"
#include "skin/controls/tskinspeedbutton.h"
#include "skin/controls/tskinstatusbar.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QStatusBar>

namespace skin {

TSkinControl *CreateControlSkin(const QString &kind, QWidget *control) {
    if (!control)
        return nullptr;
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        if (kind == QLatin1String("TSkinButton"))
            return new TSkinButton(button);
        if (kind == QLatin1String("TSkinBitButton"))
            return new TSkinBitButton(button);
        if (kind == QLatin1String("TSkinMenuButton"))
            return new TSkinMenuButton(button);
        if (kind == QLatin1String("TSkinSpeedButton"))
            return new TSkinSpeedButton(button);
        if (kind == QLatin1String("TSkinCheckBox"))
            return new TSkinCheckBox(button);
        if (kind == QLatin1String("TSkinRadioButton"))
            return new TSkinRadioButton(button);
    }
    if (auto *box = qobject_cast<QGroupBox *>(control);
        box && kind == QLatin1String("TSkinGroupBox"))
        return new TSkinGroupBox(box);
    if (auto *bar = qobject_cast<QStatusBar *>(control);
        bar && kind == QLatin1String("TSkinStatusBar"))
        return new TSkinStatusBar(bar);
    if (kind == QLatin1String("TSkinBox"))
        return new TSkinBox(control);
    return nullptr;
}

} // namespace skin
