#include "skin/data/tskinmanagerhook.h"

namespace skin {

namespace {
TSkinManagerHook *g_manager = nullptr;
TSkinManagerHook::Factory &FactorySlot() {
    static TSkinManagerHook::Factory factory;
    return factory;
}
} // namespace

TSkinManagerHook::~TSkinManagerHook() {
    if (g_manager == this)
        g_manager = nullptr;
}

TSkinManagerHook *TSkinManagerHook::Instance() {
    return g_manager;
}

void TSkinManagerHook::SetInstance(TSkinManagerHook *manager) {
    g_manager = manager;
}

TSkinManagerHook *TSkinManagerHook::EnsureInstance() {
    if (!g_manager && FactorySlot())
        g_manager = FactorySlot()();
    return g_manager;
}

TSkinManagerHook::Factory TSkinManagerHook::SetFactory(Factory factory) {
    Factory previous = std::move(FactorySlot());
    FactorySlot() = std::move(factory);
    return previous;
}

} // namespace skin
