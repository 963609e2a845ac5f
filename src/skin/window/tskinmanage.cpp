#include "skin/window/tskinmanage.h"

#include "skin/data/tskindata.h"
#include "skin/package/versionreporter.h"
#include "skin/window/mdifacts.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tcontrollayer.h"
#include "skin/window/tmenulayer.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QChildEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSizeGrip>
#include <QWidget>
#include <algorithm>

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
    actionTimer.setInterval(100);
    connect(&actionTimer, &QTimer::timeout, this, &TSkinManage::ActionTimer);
    if (!TSkinManagerHook::Instance())
        TSkinManagerHook::SetInstance(this);
    AdoptLoadedSkinData();
}

TSkinManage::~TSkinManage() {
    if (TSkinManagerHook::Instance() == this)
        TSkinManagerHook::SetInstance(nullptr);
    phase = TPhase::ShuttingDown;
    skinningActive = false;
    actionTimer.stop();
    while (!windows.empty()) {
        windows.back()->DetachWindow();
        windows.pop_back();
    }
    popupMenus.clear();
    skinDatas.clear();
    if (qApp)
        qApp->removeEventFilter(this);
}

// A component that finished loading while there was no manager registers now.
void TSkinManage::AdoptLoadedSkinData() {
    if (!qApp)
        return;
    for (QWidget *window : QApplication::topLevelWidgets())
        for (TSkinData *data : window->findChildren<TSkinData *>())
            if (!data->IsReading() && !skinDatas.contains(data))
                data->Loaded();
}

TSkinData *TSkinManage::MainSkinData() const {
    return mainSkinData;
}

bool TSkinManage::HasSkinData(const TSkinData *data) const {
    return std::any_of(skinDatas.begin(), skinDatas.end(),
                       [data](const QPointer<TSkinData> &entry) { return entry == data; });
}

void TSkinManage::AddSkinData(TSkinData *data) {
    if (!data || skinDatas.contains(data))
        return;
    skinDatas.append(data);
    if (!mainSkinData && data->SkinFormtype() == TSkinData::sfMainform)
        mainSkinData = data;
}

void TSkinManage::RemoveSkinData(TSkinData *data) {
    skinDatas.removeIf(
        [data](const QPointer<TSkinData> &entry) { return entry.isNull() || entry == data; });
    if (pendingSkinData == data)
        pendingSkinData = nullptr;
    if (mainSkinData == data) {
        mainSkinData = nullptr;
        for (const QPointer<TSkinData> &entry : std::as_const(skinDatas))
            if (entry->SkinFormtype() == TSkinData::sfMainform) {
                mainSkinData = entry;
                break;
            }
    }
    // Its windows drop what they took from it at once; whether they take another component or
    // lose their skin is settled once the component (and perhaps its window) is gone.
    bool orphans = false;
    for (const auto &form : windows)
        if (form->SkinData() == data) {
            form->DropSkin();
            orphans = true;
        }
    if (orphans)
        QMetaObject::invokeMethod(
            this, [this] { RebindOrphanedWindows(); }, Qt::QueuedConnection);
}

void TSkinManage::RebindOrphanedWindows() {
    PurgeWindows();
    std::vector<TWinSkinForm *> orphans;
    for (const auto &form : windows)
        if (!form->Skin() && form->State() != TFormState::Finished && form->Handle())
            orphans.push_back(form.get());
    for (TWinSkinForm *form : orphans) {
        TSkinData *data = FindSkinDataFor(form->Handle());
        if (data && !data->SkinLoading()) {
            form->SetSkin(data);
            form->ReapplySkin();
        } else {
            UnskinEntry(form);
        }
    }
}

void TSkinManage::SetPendingSkinData(TSkinData *data) {
    pendingSkinData = data;
}

void TSkinManage::InstallHook() {
    if (!qApp)
        return;
    qApp->installEventFilter(this);
    WatchExistingMenus();
}

void TSkinManage::SetMenuLayer(TMenuLayer *layer) {
    menuLayer = layer;
    WatchExistingMenus();
}

void TSkinManage::WatchMenu(QMenu *menu) {
    static const char *const watchedBy = "skinMenuWatchedBy";
    if (!menuLayer || menu->property(watchedBy).value<QObject *>() == this)
        return;
    menu->setProperty(watchedBy, QVariant::fromValue<QObject *>(this));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { SkinPopupMenu(menu); });
}

void TSkinManage::WatchExistingMenus() {
    if (!qApp || !menuLayer)
        return;
    for (QWidget *widget : QApplication::allWidgets())
        if (auto *menu = qobject_cast<QMenu *>(widget))
            WatchMenu(menu);
}

void TSkinManage::SetStarted(int value) {
    if (phase != TPhase::ShuttingDown)
        phase = value > 0 ? TPhase::Running : TPhase::Waiting;
}

void TSkinManage::RequestAction(TSkinAction action, int delayMs) {
    pendingAction = action;
    actionTimer.setInterval(delayMs);
    if (phase == TPhase::Waiting) {
        if (action == SkinAllAction)
            skinningActive = true;
        else if (action == UnskinAllAction)
            skinningActive = false;
        return;
    }
    actionTimer.start();
}

void TSkinManage::ActionTimer() {
    actionTimer.stop();
    TSkinData *pending = pendingSkinData;
    if (!pending)
        return;
    const bool onlyThisForm = pending->SkinFormtype() == TSkinData::sfOnlyThisForm;
    PurgeWindows();
    switch (pendingAction) {
    case SkinAllAction: {
        skinningActive = true;
        skinAllRunning = true;
        if (onlyThisForm) {
            if (const QWidget *owner = OwnerWindowOf(pending))
                SkinFormIfVisible(const_cast<QWidget *>(owner));
        } else {
            const QWidgetList all = QApplication::topLevelWidgets();
            for (qsizetype i = all.size() - 1; i >= 0; --i)
                SkinFormIfVisible(all.at(i));
        }
        skinAllRunning = false;
        break;
    }
    case UnskinAllAction:
        skinningActive = false;
        if (onlyThisForm) {
            for (auto it = windows.rbegin(); it != windows.rend(); ++it)
                if ((*it)->SkinData() == pending) {
                    UnskinEntry(it->get());
                    break;
                }
        } else {
            while (!windows.empty())
                UnskinEntry(windows.front().get());
        }
        break;
    case SkinChangedAction: {
        std::vector<TWinSkinForm *> changed;
        for (const auto &form : windows)
            if (form->SkinData() == pending) {
                changed.push_back(form.get());
                if (onlyThisForm)
                    break;
            }
        for (TWinSkinForm *form : changed) {
            form->SetSkin();
            form->ReapplySkin();
        }
        break;
    }
    }
    if (pendingSkinData)
        pendingSkinData->DoSkinChanged();
    pendingSkinData = nullptr;
}

void TSkinManage::UnskinEntry(TWinSkinForm *form) {
    form->UnskinWindow();
    if (QWidget *window = form->Handle())
        window->repaint();
    std::erase_if(windows, [form](const auto &entry) { return entry.get() == form; });
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
    if (!window || !skinningActive)
        return false;
    PurgeWindows();
    if (SendSkinMessage(window, SM_SKINQUERY) == 1 || FindSkinnedWindow(window))
        return false;
    // Of the widgets inside windows only MDI children are skinned, whatever their size.
    const bool mdiChild = IsMDIChild(window);
    if (!skinAllRunning && !window->isWindow() && !mdiChild)
        return false;
    if (window->width() * window->height() == 0 && !mdiChild)
        return false;
    if (TagOf(window) == DisableTag || IsUnskinnableType(window))
        return false;
    const QString className = WindowClassName(window);
    if (!CanSkinWindow(window, className))
        return false;
    TSkinData *data = FindSkinDataFor(window);
    if (!data || data->SkinLoading())
        return false;
    auto form = std::make_unique<TWinSkinForm>(window, this, className);
    if (IsSystemDialogClass(window))
        form->InitSkinWindow(data);
    else
        form->InitSkinForm(data, window);
    windows.push_back(std::move(form));
    QCoreApplication::postEvent(window, new SkinMessageEvent(SM_SKINACTIVE, 0, 1000),
                                Qt::HighEventPriority);
    return true;
}

TWinSkinForm *TSkinManage::FindSkinnedWindow(const QWidget *window) const {
    for (const auto &form : windows)
        if (form->Handle() == window)
            return form.get();
    return nullptr;
}

TWinSkinForm *TSkinManage::MainWindow() const {
    for (const auto &form : windows)
        if (form->Form() && form->Form()->isVisible())
            return form.get();
    return nullptr;
}

TSkinData *TSkinManage::FindSkinDataFor(const QWidget *window) const {
    const auto lastOf = [this](auto matches) -> TSkinData * {
        TSkinData *found = nullptr;
        for (const QPointer<TSkinData> &data : skinDatas)
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
    for (const QPointer<TSkinData> &data : skinDatas)
        if (data)
            return data;
    return nullptr;
}

bool TSkinManage::CanSkinWindow(const QWidget *window, const QString &className) const {
    if (!mainSkinData)
        return true;
    bool verdict = true;
    if (!mainSkinData->Options().testFlag(TSkinData::xoPreview) &&
        className.toLower().contains(QLatin1String("preview")))
        verdict = false;
    // Month calendars shown as windows go by the system's class name.
    const QString decisionName =
        window->inherits("QCalendarWidget") ? QStringLiteral("SysMonthCal32") : className;
    mainSkinData->FormSkinDecision(const_cast<QWidget *>(window), decisionName, verdict);
    return verdict;
}

void TSkinManage::PurgeWindows() {
    purgeScheduled = false;
    if (phase == TPhase::ShuttingDown)
        return;
    std::erase_if(windows, [](const auto &form) { return form->State() == TFormState::Finished; });
}

void TSkinManage::SchedulePurge() {
    if (purgeScheduled || phase == TPhase::ShuttingDown)
        return;
    purgeScheduled = true;
    QMetaObject::invokeMethod(this, &TSkinManage::PurgeWindows, Qt::QueuedConnection);
}

// The windows keep the skin objects they were built from until the skin-changed action gives
// them the new ones, so nothing they paint from goes away in between.
void TSkinManage::RefreshSkinData() {}

void TSkinManage::SkinPopupMenu(QMenu *menu) {
    if (!menuLayer || !menu || !skinningActive || IsMenuWrapped(menu) ||
        SendSkinMessage(menu, SM_SKINQUERY) == 1)
        return;
    TSkinData *data = FindSkinDataFor(menu);
    if (!data || data->SkinLoading())
        return;
    const TSkinData::TSkinControlTypes kinds = data->SkinControls();
    bool enabled = true;
    switch (menuKind) {
    case TMenuKind::Popup:
        enabled = kinds.testFlag(TSkinData::xcPopupMenu);
        break;
    case TMenuKind::MenuBar:
        enabled = kinds.testFlag(TSkinData::xcMainMenu) || kinds.testFlag(TSkinData::xcMenuItem);
        break;
    case TMenuKind::SystemMenu:
        enabled = kinds.testFlag(TSkinData::xcSystemMenu);
        break;
    }
    if (!enabled)
        return;
    if (QObject *wrapper = menuLayer->WrapPopupMenu(menu, data))
        popupMenus.push_back(PopupEntry{menu, std::unique_ptr<QObject>(wrapper)});
}

void TSkinManage::ReleasePopupMenu(QMenu *menu) {
    std::erase_if(popupMenus,
                  [menu](const PopupEntry &entry) { return !entry.menu || entry.menu.Is(menu); });
    // The kind was set for the menu that just closed, wrapped or not.
    if (popupMenus.empty())
        menuKind = TMenuKind::Popup;
}

bool TSkinManage::IsMenuWrapped(const QMenu *menu) const {
    return std::any_of(popupMenus.begin(), popupMenus.end(),
                       [menu](const PopupEntry &entry) { return entry.menu.Is(menu); });
}

bool TSkinManage::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            SetStarted(1);
            SkinWindow(static_cast<QWidget *>(watched));
        }
        break;
    case QEvent::Polish:
        if (auto *grip = qobject_cast<QSizeGrip *>(watched)) {
            if (TWinSkinForm *form = FindSkinnedWindow(grip->window()); form && controlLayer)
                controlLayer->SkinNativeWindow(*form, grip);
        } else if (auto *menu = qobject_cast<QMenu *>(watched)) {
            WatchMenu(menu);
        } else if (auto *child = qobject_cast<QMdiSubWindow *>(watched)) {
            SkinWindow(child); // an MDI child is skinned as it is made, before it shows
        }
        break;
    case QEvent::ChildAdded:
        if (QObject *added = static_cast<QChildEvent *>(event)->child(); added->isWidgetType()) {
            // An MDI child made elsewhere and put into an area: skinned once the area has it.
            if (auto *child = qobject_cast<QMdiSubWindow *>(added))
                QMetaObject::invokeMethod(
                    this,
                    [this, guard = QPointer<QMdiSubWindow>(child)] {
                        if (guard)
                            SkinWindow(guard.data());
                    },
                    Qt::QueuedConnection);
            if (watched->isWidgetType())
                FollowMDIClientLater(static_cast<QWidget *>(watched)->window(), true);
        }
        break;
    case QEvent::ChildRemoved:
        if (watched->isWidgetType())
            FollowMDIClientLater(static_cast<QWidget *>(watched)->window(), false);
        break;
    case QEvent::Hide:
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            ReleasePopupMenu(menu);
            // The pointer may have left a hot frame button while the menu had it.
            QMetaObject::invokeMethod(this, &TSkinManage::UpdateHotParts, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return false;
}

void TSkinManage::SetMDIClient(QMdiArea *area, QWidget *frameForm) {
    mdiClientWindow = area;
    mdiFrameForm = frameForm;
}

void TSkinManage::MDIClientGone(const QMdiArea *area) {
    if (area != mdiClientWindow)
        return;
    mdiClientWindow = nullptr;
    mdiFrameForm = nullptr;
    mdiMaximizedMode = false;
}

void TSkinManage::FollowMDIClientLater(QWidget *window, bool added) {
    const TWinSkinForm *form = FindSkinnedWindow(window);
    // An area may come into any skinned window but an MDI child; it can only go from a frame.
    if (!form || form->WindowKind() == (added ? TWindowKind::MDIChild : TWindowKind::Normal) ||
        clientChecks.contains(window))
        return;
    clientChecks.append(window);
    if (clientChecks.size() == 1)
        QMetaObject::invokeMethod(this, &TSkinManage::FollowMDIClients, Qt::QueuedConnection);
}

void TSkinManage::FollowMDIClients() {
    const QList<QPointer<QWidget>> windowsToCheck = std::exchange(clientChecks, {});
    for (const QPointer<QWidget> &window : windowsToCheck)
        if (TWinSkinForm *form = window ? FindSkinnedWindow(window) : nullptr)
            form->FollowMDIClient();
}

void TSkinManage::ReskinMoved(TWinSkinForm *form) {
    const auto entry =
        std::find_if(windows.begin(), windows.end(),
                     [form](const std::unique_ptr<TWinSkinForm> &e) { return e.get() == form; });
    if (entry == windows.end())
        return;
    form->UnskinWindow();
    // The skin object may be in the middle of handling the move: it goes once that is over.
    entry->release()->deleteLater();
    windows.erase(entry);
    QMetaObject::invokeMethod(
        this,
        [this, window = QPointer<QWidget>(form->Handle())] {
            if (window && (IsMDIChild(window) || (window->isWindow() && window->isVisible())))
                SkinWindow(window.data());
        },
        Qt::QueuedConnection);
}

QMdiArea *TSkinManage::MDIClientWindow() const {
    return mdiClientWindow;
}

QWidget *TSkinManage::MDIFrameForm() const {
    return mdiFrameForm;
}

void TSkinManage::SetMDIChildMode(bool maximized) {
    if (maximized == mdiMaximizedMode)
        return;
    mdiMaximizedMode = maximized;
    const bool ownBorders =
        mainSkinData && mainSkinData->Options().testFlag(TSkinData::xoMDIChildBorder);
    if (ownBorders)
        return;
    for (const auto &form : windows)
        if (form->WindowKind() == TWindowKind::MDIChild)
            form->MDIChildModeChanged(maximized);
}

void TSkinManage::UpdateMDIChildMode(QMdiArea *area) {
    mdiModePending = area;
    if (mdiModeScheduled)
        return;
    mdiModeScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            mdiModeScheduled = false;
            if (phase == TPhase::ShuttingDown)
                return;
            SetMDIChildMode(IsMDIChildMaximized(mdiModePending));
            for (const auto &form : windows)
                if (form->WindowKind() == TWindowKind::MDIFrame)
                    form->MDIFrameChanged();
        },
        Qt::QueuedConnection);
}

void TSkinManage::UpdateHotParts() {
    for (const auto &form : windows)
        form->UpdateHotPart();
}

TSkinManage *SkinManager() {
    return dynamic_cast<TSkinManage *>(TSkinManagerHook::Instance());
}

namespace {

// The application's own manager ends first thing as the application ends, while its style and
// windows are whole (a child of the application would end after its style): windows still
// alive then are detached from their skins, and no new manager is made afterwards.
void EndApplicationSkinManager() {
    TSkinManagerHook::SetFactory({});
    if (TSkinManage *manager = SkinManager(); manager && manager->parent() == qApp)
        delete manager;
}

} // namespace

void InstallSkinManager() {
    TSkinManagerHook::SetFactory([]() -> TSkinManagerHook * { return new TSkinManage(qApp); });
    if (!TSkinManagerHook::Instance())
        qAddPostRoutine(EndApplicationSkinManager);
    TSkinManagerHook::EnsureInstance();
    SetVersionReporter(ShowVersionMessage);
}

} // namespace skin
