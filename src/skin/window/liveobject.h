#pragma once

#include <QObject>
#include <QPointer>

namespace skin {

// A guarded pointer to a Qt object that gives the object only while it still is a T. A
// QPointer<T> hands out an object it watches by a static cast, also while Qt destroys it and
// T's own destructor has already run (its filters still hear Hide, Destroy and ChildRemoved):
// undefined behaviour. This one asks the object what it is now, so a dying object reads as
// none, and keeps its identity for comparing with watched objects whatever state they are in.
template <typename T> class TLiveObject {
public:
    TLiveObject() = default;
    TLiveObject(T *object) : object(object), identity(object) {}

    T *get() const { return qobject_cast<T *>(object.data()); }
    operator T *() const { return get(); }
    T *operator->() const { return get(); }
    // Whether `other` is the object given (alive, dying or gone since).
    bool Is(const QObject *other) const { return other && other == identity; }

private:
    QPointer<QObject> object;
    const QObject *identity = nullptr;
};

} // namespace skin
