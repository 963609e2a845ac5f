#include "skin/window/tskinmanage.h"

#include "skin/data/tskindata.h"
#include "skin/package/versionreporter.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tcontrollayer.h"
#include "skin/window/tmenulayer.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSizeGrip>
#include <QWidget>

namespace skin {

namespace {

// Window kinds that are never skinned.
bool IsUnskinnableType(const QWidget *window) {
    switch (window->windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
    case Qt::Desktop:
    case Qt::ForeignWindow:
        return true;
    default:
        return window->testAttribute(Qt::WA_DontShowOnScreen);
    }
}

// The window that owns a component (its parent's window), or none.
const QWidget *OwnerWindowOf(const TSkinData *data) {
    QObject *owner = data->parent();
    return owner && owner->isWidgetType() ? static_cast<QWidget *>(owner)->window() : nullptr;
}

constexpr int DisableTag = 99;

void ShowVersionMessage(const QString &message) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), message,
                    QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

} // namespace

TSkinManage::TSkinManage(QObject *parent) : QObject(parent) {
    ActionTimerObj.setInterval(100);
    ActionTimerObj.setSingleShot(false);
    connect(&ActionTimerObj, &QTimer::timeout, this, &TSkinManage::ActionTimer);
    if (!TSkinManagerHook::Instance())
        TSkinManagerHook::SetInstance(this);
    AdoptLoadedSkinData();
}

TSkinManage::~TSkinManage() {
    if (TSkinManagerHook::Instance() == this)
        TSkinManagerHook::SetInstance(nullptr);
    started = 4;
    SkinningActive = false;
    ActionTimerObj.stop();
    while (!Windows.isEmpty()) {
        TWinSkinForm *form = Windows.takeLast();
        form->DetachWindow();
        delete form;
    }
    for (const PopupEntry &entry : std::as_const(PopupMenus))
        delete entry.wrapper;
    PopupMenus.clear();
    SkinDatas.clear();
    if (qApp)
        qApp->removeEventFilter(this);
}

// A component that finished loading while there was no manager registers now.
void TSkinManage::AdoptLoadedSkinData() {
    if (!qApp)
        return;
    for (QWidget *window : QApplication::topLevelWidgets())
        for (TSkinData *data : window->findChildren<TSkinData *>())
            if (!data->IsReading() && !SkinDatas.contains(data))
                data->Loaded();
}

void TSkinManage::AddSkinData(TSkinData *data) {
    if (!data || SkinDatas.contains(data))
        return;
    SkinDatas.append(data);
    if (!MainSkinData && data->SkinFormtype() == TSkinData::sfMainform)
        MainSkinData = data;
}

void TSkinManage::RemoveSkinData(TSkinData *data) {
    SkinDatas.removeIf(
        [data](const QPointer<TSkinData> &entry) { return entry.isNull() || entry == data; });
    if (PendingSkinData == data)
        PendingSkinData = nullptr;
    if (MainSkinData == data) {
        MainSkinData = nullptr;
        for (const QPointer<TSkinData> &entry : std::as_const(SkinDatas))
            if (entry->SkinFormtype() == TSkinData::sfMainform) {
                MainSkinData = entry;
                break;
            }
    }
    // Its windows drop what they took from it at once; whether they take another component or
    // lose their skin is settled once the component (and perhaps its window) is gone.
    bool orphans = false;
    for (TWinSkinForm *form : std::as_const(Windows))
        if (form->SkinData == data) {
            form->DropSkin();
            orphans = true;
        }
    if (orphans)
        QMetaObject::invokeMethod(
            this, [this] { RebindOrphanedWindows(); }, Qt::QueuedConnection);
}

void TSkinManage::RebindOrphanedWindows() {
    PurgeWindows();
    const QList<TWinSkinForm *> forms = Windows;
    for (TWinSkinForm *form : forms) {
        if (form->Skin || form->State == TWinSkinForm::StateFinished || !form->Handle)
            continue;
        TSkinData *data = FindSkinDataFor(form->Handle);
        if (data && !data->SkinLoading()) {
            form->SkinData = data;
            form->CalcFrameMetrics();
            form->ReapplySkin();
        } else {
            UnskinEntry(form);
        }
    }
}

void TSkinManage::SetPendingSkinData(TSkinData *data) {
    PendingSkinData = data;
}

void TSkinManage::InstallHook() {
    if (qApp)
        qApp->installEventFilter(this);
}

void TSkinManage::SetStarted(int value) {
    started = value;
}

void TSkinManage::RequestAction(TSkinAction action, int delayMs) {
    PendingAction = action;
    ActionTimerObj.setInterval(delayMs);
    if (started == 0) {
        if (action == SkinAllAction)
            SkinningActive = true;
        else if (action == UnskinAllAction)
            SkinningActive = false;
        return;
    }
    ActionTimerObj.start();
}

void TSkinManage::ActionTimer() {
    ActionTimerObj.stop();
    TSkinData *pending = PendingSkinData;
    if (!pending)
        return;
    const bool onlyThisForm = pending->SkinFormtype() == TSkinData::sfOnlyThisForm;
    switch (PendingAction) {
    case SkinAllAction: {
        SkinningActive = true;
        SkinAllRunning = true;
        PurgeWindows();
        if (onlyThisForm) {
            if (const QWidget *owner = OwnerWindowOf(pending))
                SkinFormIfVisible(const_cast<QWidget *>(owner));
        } else {
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (qsizetype i = windows.size() - 1; i >= 0; --i)
                SkinFormIfVisible(windows.at(i));
        }
        SkinAllRunning = false;
        break;
    }
    case UnskinAllAction:
        SkinningActive = false;
        PurgeWindows();
        if (onlyThisForm) {
            for (qsizetype i = Windows.size() - 1; i >= 0; --i)
                if (Windows.at(i)->SkinData == pending) {
                    UnskinEntry(Windows.at(i));
                    break;
                }
        } else {
            while (!Windows.isEmpty())
                UnskinEntry(Windows.first());
        }
        break;
    case SkinChangedAction: {
        PurgeWindows();
        QList<TWinSkinForm *> changed;
        for (TWinSkinForm *form : std::as_const(Windows))
            if (form->SkinData == pending) {
                changed.append(form);
                if (onlyThisForm)
                    break;
            }
        for (TWinSkinForm *form : std::as_const(changed)) {
            form->FreeNCObjects();
            form->CalcFrameMetrics();
        }
        for (TWinSkinForm *form : std::as_const(changed))
            form->ReapplySkin();
        break;
    }
    default:
        break;
    }
    if (PendingSkinData)
        PendingSkinData->DoSkinChanged();
    PendingSkinData = nullptr;
}

void TSkinManage::UnskinEntry(TWinSkinForm *form) {
    form->UnskinWindow();
    if (form->Handle)
        form->Handle->repaint();
    Windows.removeAll(form);
    delete form;
}

void TSkinManage::SkinFormIfVisible(QWidget *window) {
    if (window && window->isVisible() && window->isWindow())
        SkinWindow(window);
}

void TSkinManage::SkinWindow(QObject *form) {
    if (form && form->isWidgetType())
        SkinWindow(static_cast<QWidget *>(form));
}

bool TSkinManage::SkinWindow(QWidget *window) {
    if (!window || !SkinningActive)
        return false;
    PurgeWindows();
    if (SendSkinMessage(window, SM_SKINQUERY) == 1 || FindSkinnedWindow(window))
        return false;
    if (!SkinAllRunning && !window->isWindow())
        return false;
    if (window->width() * window->height() == 0)
        return false;
    if (TagOf(window) == DisableTag || IsUnskinnableType(window))
        return false;
    const QString className = WindowClassName(window);
    if (!CanSkinWindow(window, className))
        return false;
    TSkinData *data = FindSkinDataFor(window);
    if (!data || data->SkinLoading())
        return false;
    auto *form = new TWinSkinForm(window, this);
    form->WindowClass = className;
    if (IsSystemDialogClass(window))
        form->InitSkinWindow(data);
    else
        form->InitSkinForm(data, window);
    Windows.append(form);
    QCoreApplication::postEvent(window, new SkinMessageEvent(SM_SKINACTIVE, 0, 1000),
                                Qt::HighEventPriority);
    return true;
}

void TSkinManage::RemoveWindow(TWinSkinForm *form) {
    if (started != 4)
        Windows.removeAll(form);
}

TWinSkinForm *TSkinManage::FindSkinnedWindow(const QWidget *window) const {
    for (TWinSkinForm *form : Windows)
        if (form->Handle == window)
            return form;
    return nullptr;
}

TSkinData *TSkinManage::FindSkinDataFor(const QWidget *window) const {
    const auto lastOf = [this](auto matches) -> TSkinData * {
        TSkinData *found = nullptr;
        for (const QPointer<TSkinData> &data : SkinDatas)
            if (data && matches(data.data()))
                found = data;
        return found;
    };
    if (TSkinData *own = lastOf([window](const TSkinData *d) {
            return d->SkinFormtype() == TSkinData::sfOnlyThisForm && OwnerWindowOf(d) == window;
        }))
        return own;
    if (IsMessageFormClass(window) || IsSystemDialogClass(window))
        if (TSkinData *dialog =
                lastOf([](const TSkinData *d) { return d->SkinFormtype() == TSkinData::sfDialog; }))
            return dialog;
    if (TSkinData *main =
            lastOf([](const TSkinData *d) { return d->SkinFormtype() == TSkinData::sfMainform; }))
        return main;
    for (const QPointer<TSkinData> &data : SkinDatas)
        if (data)
            return data;
    return nullptr;
}

bool TSkinManage::CanSkinWindow(const QWidget *window, const QString &className) const {
    if (!MainSkinData)
        return true;
    bool verdict = true;
    if (!MainSkinData->Options().testFlag(TSkinData::xoPreview) &&
        className.toLower().contains(QLatin1String("preview")))
        verdict = false;
    // Month calendars shown as windows go by the system's class name.
    const QString decisionName =
        window->inherits("QCalendarWidget") ? QStringLiteral("SysMonthCal32") : className;
    MainSkinData->FormSkinDecision(const_cast<QWidget *>(window), decisionName, verdict);
    return verdict;
}

void TSkinManage::PurgeWindows() {
    purgeScheduled = false;
    if (started == 4)
        return;
    for (qsizetype i = Windows.size() - 1; i >= 0; --i)
        if (Windows.at(i)->State == TWinSkinForm::StateFinished)
            delete Windows.takeAt(i);
}

void TSkinManage::SchedulePurge() {
    if (purgeScheduled || started == 4)
        return;
    purgeScheduled = true;
    QMetaObject::invokeMethod(this, &TSkinManage::PurgeWindows, Qt::QueuedConnection);
}

void TSkinManage::RefreshSkinData() {
    for (TWinSkinForm *form : std::as_const(Windows))
        if (form->SkinData == PendingSkinData)
            form->FreeNCObjects();
}

void TSkinManage::SkinPopupMenu(QMenu *menu) {
    if (!menuLayer || !menu || !SkinningActive || IsMenuWrapped(menu) ||
        SendSkinMessage(menu, SM_SKINQUERY) == 1)
        return;
    TSkinData *data = FindSkinDataFor(menu);
    if (!data || data->SkinLoading())
        return;
    const TSkinData::TSkinControlTypes controls = data->SkinControls();
    const bool enabled = MenuKind == 0   ? controls.testFlag(TSkinData::xcPopupMenu)
                         : MenuKind == 1 ? controls.testFlag(TSkinData::xcMainMenu) ||
                                               controls.testFlag(TSkinData::xcMenuItem)
                         : MenuKind == 2 ? controls.testFlag(TSkinData::xcSystemMenu)
                                         : true;
    if (!enabled)
        return;
    if (QObject *wrapper = menuLayer->WrapPopupMenu(menu, data))
        PopupMenus.append(PopupEntry{menu, wrapper});
}

void TSkinManage::ReleasePopupMenu(QMenu *menu) {
    for (qsizetype i = 0; i < PopupMenus.size(); ++i)
        if (PopupMenus.at(i).menu == menu) {
            delete PopupMenus.takeAt(i).wrapper;
            break;
        }
    PopupMenus.removeIf([](const PopupEntry &entry) {
        if (entry.menu)
            return false;
        delete entry.wrapper;
        return true;
    });
    // The kind was set for the menu that just closed, wrapped or not.
    if (PopupMenus.isEmpty())
        MenuKind = 0;
}

bool TSkinManage::IsMenuWrapped(const QMenu *menu) const {
    for (const PopupEntry &entry : PopupMenus)
        if (entry.menu == menu)
            return true;
    return false;
}

bool TSkinManage::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            if (started == 0)
                started = 1;
            SkinWindow(static_cast<QWidget *>(watched));
        }
        break;
    case QEvent::Polish:
        if (auto *grip = qobject_cast<QSizeGrip *>(watched)) {
            if (TWinSkinForm *form = FindSkinnedWindow(grip->window()); form && controlLayer)
                controlLayer->SkinNativeWindow(*form, grip);
        } else if (auto *menu = qobject_cast<QMenu *>(watched); menu && menuLayer) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { SkinPopupMenu(menu); });
        }
        break;
    case QEvent::Hide:
        if (auto *menu = qobject_cast<QMenu *>(watched))
            ReleasePopupMenu(menu);
        break;
    default:
        break;
    }
    return false;
}

TSkinManage *SkinManager() {
    return dynamic_cast<TSkinManage *>(TSkinManagerHook::Instance());
}

void InstallSkinManager() {
    TSkinManagerHook::SetFactory([]() -> TSkinManagerHook * { return new TSkinManage(qApp); });
    TSkinManagerHook::EnsureInstance();
    SetVersionReporter(ShowVersionMessage);
}

} // namespace skin
