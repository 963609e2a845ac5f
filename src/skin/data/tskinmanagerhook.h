#pragma once

#include <functional>

class QObject;

namespace skin {

class TSkinData;

// The registration point through which TSkinData reaches the one skin manager. The manager
// (window layer) installs a factory at start-up; the first TSkinData that needs a manager has
// it created through that factory. With no factory and no manager installed every call of
// TSkinData to the manager is skipped.
class TSkinManagerHook {
public:
    // What the manager runs for the pending component when its action timer fires.
    enum TSkinAction {
        SkinAllAction = 1,     // skin every window
        UnskinAllAction = 2,   // take the skin off every window
        SkinChangedAction = 3, // re-apply a changed skin
    };
    // The delay the component asks for with every action.
    static constexpr int ActionDelayMs = 250;

    virtual ~TSkinManagerHook();

    virtual void AddSkinData(TSkinData *data) = 0;
    virtual void RemoveSkinData(TSkinData *data) = 0;
    virtual void InstallHook() = 0;
    virtual void SetPendingSkinData(TSkinData *data) = 0;
    // Runs `action` for the pending component after delayMs milliseconds; a later request
    // replaces one still waiting.
    virtual void RequestAction(TSkinAction action, int delayMs) = 0;
    virtual int Started() const = 0;
    virtual void SetStarted(int started) = 0;
    virtual void SetSkinningActive(bool active) = 0;
    virtual void SkinWindow(QObject *form) = 0;
    // Every window skinned by the pending component drops what it built from the old skin
    // objects (caption buttons and other non-client objects) and builds them again.
    virtual void RefreshSkinData() = 0;

    // The current manager, or nullptr.
    static TSkinManagerHook *Instance();
    // Installs (or, with nullptr, removes) the manager; the caller keeps ownership.
    static void SetInstance(TSkinManagerHook *manager);
    // The manager, created through the factory when there is none yet; nullptr without factory.
    static TSkinManagerHook *EnsureInstance();
    using Factory = std::function<TSkinManagerHook *()>;
    // Installs the factory and returns the previous one.
    static Factory SetFactory(Factory factory);
};

} // namespace skin
