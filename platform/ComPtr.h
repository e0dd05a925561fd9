#pragma once
// Holds one reference to a component interface and releases it when done.

#include <concepts>
#include <cstddef>
#include <utility>

#include "platform/Unknown.h"

namespace gb {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Adds a reference of its own; the caller keeps its reference.
    explicit ComPtr(T* pointer) : pointer_(pointer) {
        if (pointer_ != nullptr) {
            pointer_->AddRef();
        }
    }
    ComPtr(const ComPtr& other) : ComPtr(other.pointer_) {}
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    // From a pointer to an implementing class or a derived interface.
    template <class U>
    requires std::convertible_to<U*, T*> ComPtr(const ComPtr<U>& other)
        : ComPtr(static_cast<T*>(other.Get())) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a reference the caller already owns.
    static ComPtr Adopt(T* pointer) {
        ComPtr result;
        result.pointer_ = pointer;
        return result;
    }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    T& operator*() const { return *pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // Gives up the reference without releasing it.
    [[nodiscard]] T* Detach() { return std::exchange(pointer_, nullptr); }

    void Reset() {
        if (T* old = std::exchange(pointer_, nullptr)) {
            old->Release();
        }
    }

    // For an out parameter of type T**: releases what is held first.
    T** Put() {
        Reset();
        return &pointer_;
    }

    // For an out parameter of type void** (QueryInterface and creation calls).
    class VoidOut {
    public:
        explicit VoidOut(ComPtr& owner) : owner_(owner) {}
        VoidOut(const VoidOut&) = delete;
        VoidOut& operator=(const VoidOut&) = delete;
        ~VoidOut() { owner_.pointer_ = static_cast<T*>(value_); }
        operator void**() { return &value_; }

    private:
        ComPtr& owner_;
        void* value_ = nullptr;
    };
    VoidOut PutVoid() {
        Reset();
        return VoidOut(*this);
    }

    // The object's interface U, or null when it has none.
    template <class U>
    ComPtr<U> As() const {
        ComPtr<U> result;
        if (pointer_ != nullptr) {
            pointer_->QueryInterface(U::kIid, result.PutVoid());
        }
        return result;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.pointer_ == b.pointer_; }
    friend bool operator==(const ComPtr& a, std::nullptr_t) { return a.pointer_ == nullptr; }

private:
    T* pointer_ = nullptr;
};

}  // namespace gb
