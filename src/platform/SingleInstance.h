#pragma once

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <memory>
#include <utility>

// The program-wide single object of a class T (deriving from
// TSingleInstance<T>): the object that creates it at start-up with
// CreateInstance releases it at exit; Instance before that is a program error.
template <typename T> class TSingleInstance {
public:
    template <typename... TArgs> static T& CreateInstance(TArgs&&... args) {
        Slot() = std::make_unique<T>(std::forward<TArgs>(args)...);
        return *Slot();
    }
    static T& Instance() {
        if (!Slot()) {
            throw TGameError(Sjis("インスタンス未生成でインスタンス取得"));
        }
        return *Slot();
    }
    static bool HasInstance() { return Slot() != nullptr; }
    static void ReleaseInstance() { Slot().reset(); }

private:
    static std::unique_ptr<T>& Slot() {
        static std::unique_ptr<T> slot;
        return slot;
    }
};
