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
    virtual ~TSkinManagerHook();

    virtual void AddSkinData(TSkinData *data) = 0;
    virtual void RemoveSkinData(TSkinData *data) = 0;
    virtual void InstallHook() = 0;
    virtual void SetPendingSkinData(TSkinData *data) = 0;
    // Runs action 1 (skin all), 2 (unskin) or 3 (skin changed) for the pending component after
    // delayMs milliseconds.
    virtual void RequestAction(int action, int delayMs) = 0;
    virtual int Started() const = 0;
    virtual void SetStarted(int started) = 0;
    virtual void SetSkinningActive(bool active) = 0;
    virtual void SkinWindow(QObject *form) = 0;
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
