#pragma once
// How the host engine's objects are reached. The host's managers are singletons fetched with
// `Inst`; the objects the component makes for itself (cursor, statement store, calendar) come from
// a factory, null when the engine cannot make one. The stand-in host installs both at start-up;
// tests install fakes. Nothing of the component ever names an implementation.

#include <functional>
#include <memory>

namespace ferrolin {

template <class T>
class HostSingleton {
public:
    // The installed instance; null before the host is installed.
    static T* Inst() { return s_instance; }
    static void SetInst(T* instance) { s_instance = instance; }

private:
    static inline T* s_instance = nullptr;
};

template <class T>
class HostCreatable {
public:
    using Factory = std::function<std::unique_ptr<T>()>;
    // A new object of the engine's own, or null when it cannot be made.
    static std::unique_ptr<T> Create() { return s_factory ? s_factory() : nullptr; }
    static void SetFactory(Factory factory) { s_factory = std::move(factory); }

private:
    static inline Factory s_factory;
};

// Opaque engine handles that the component only passes along unchanged.
struct HostSetMgr;
struct HostOptLink;

}  // namespace ferrolin
