#pragma once

#include "platform/GameError.h"
#include "platform/SingleInstanceRegistry.h"
#include "platform/SjisText.h"

#include <memory>
#include <typeinfo>
#include <utility>

// The program-wide single object of a class T (deriving from
// TSingleInstance<T>): the object that makes it at start-up releases it at
// exit, in the reverse order of making; Instance before that is a program
// error. Making a new one replaces the previous one. An interface takes its
// implementation with AdoptInstance.
template <typename T> class TSingleInstance {
public:
    template <typename... TArgs> static T& CreateInstance(TArgs&&... args) {
        return AdoptInstance(std::make_unique<T>(std::forward<TArgs>(args)...));
    }
    template <typename TMade> static TMade& AdoptInstance(std::unique_ptr<TMade> made) {
        ReleaseInstance();
        TMade& adopted = *made;
        Slot() = std::move(made);
        SingleInstanceRegistry::Created(typeid(T).name());
        return adopted;
    }
    static T& Instance() {
        if (!Slot()) {
            throw TGameError(Sjis("インスタンス未生成でインスタンス取得"));
        }
        return *Slot();
    }
    static bool HasInstance() { return Slot() != nullptr; }
    static void ReleaseInstance() {
        if (Slot()) {
            // The slot is empty while the object goes, so that what it
            // releases in turn never sees a half-destroyed instance.
            std::unique_ptr<T> going = std::move(Slot());
            going.reset();
            SingleInstanceRegistry::Released(typeid(T).name());
        }
    }

private:
    static std::unique_ptr<T>& Slot() {
        static std::unique_ptr<T> slot;
        return slot;
    }
};

// A single object made for the life of a scope (a tool's run, a test), as its
// creator would make and release it; an interface T is made as a TMade.
template <typename T, typename TMade = T> class TScopedInstance {
public:
    template <typename... TArgs> explicit TScopedInstance(TArgs&&... args) {
        T::AdoptInstance(std::make_unique<TMade>(std::forward<TArgs>(args)...));
    }
    ~TScopedInstance() { T::ReleaseInstance(); }
    TScopedInstance(const TScopedInstance&) = delete;
    TScopedInstance& operator=(const TScopedInstance&) = delete;

    T& operator*() const { return T::Instance(); }
    T* operator->() const { return &T::Instance(); }
};
