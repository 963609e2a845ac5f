#include "skin/controls/controlskinfactory.h"

#include "skin/controls/tskinbitbutton.h"
#include "skin/controls/tskinbox.h"
#include "skin/controls/tskinboxh.h"
#include "skin/controls/tskinbutton.h"
#include "skin/controls/tskincheckbox.h"
#include "skin/controls/tskingroupbox.h"
#include "skin/controls/tskinmenubutton.h"
#include "skin/controls/tskinmp.h"
#include "skin/controls/tskinobjimage.h"
#include "skin/controls/tskinradiobutton.h"
#include "skin/controls/tskinsizer.h"
#include "skin/controls/tskinspeedbutton.h"
#include "skin/controls/tskinstatusbar.h"
#include "skin/controls/tskintab.h"
#include "skin/controls/tskintabsheet.h"
#include "skin/controls/tskintrackbar.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

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
    if (kind == QLatin1String("TSkinTab") &&
        (qobject_cast<QTabWidget *>(control) || qobject_cast<QTabBar *>(control)))
        return new TSkinTab(control);
    if (kind == QLatin1String("TSkinTabSheet"))
        return new TSkinTabSheet(control);
    if (auto *slider = qobject_cast<QSlider *>(control);
        slider && kind == QLatin1String("TSkinTrackBar"))
        return new TSkinTrackBar(slider);
    if (kind == QLatin1String("TSkinMP"))
        return new TSkinMP(control);
    if (kind == QLatin1String("TSkinObjImage"))
        return new TSkinObjImage(control);
    if (kind == QLatin1String("TSkinSizer"))
        return new TSkinSizer(control);
    if (kind == QLatin1String("TSkinBoxH"))
        return new TSkinBoxH(control);
    if (kind == QLatin1String("TSkinBox"))
        return new TSkinBox(control);
    return nullptr;
}

} // namespace skin
