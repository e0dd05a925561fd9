#pragma once
// The implementation base of component objects: an atomic reference count and
// QueryInterface over the interfaces the class lists.

#include <atomic>
#include <cstdint>
#include <new>
#include <tuple>
#include <utility>

#include "platform/ComPtr.h"
#include "platform/Unknown.h"

namespace gb {

// The number of component objects and server locks alive in this module (each
// component library links its own copy), for DllCanUnloadNow.
class ModuleUsage {
public:
    static void Acquire();
    static void Drop();
    static bool InUse();
    // S_OK when nothing is alive, else S_FALSE: the result of DllCanUnloadNow.
    static HRESULT CanUnloadNow() { return InUse() ? S_FALSE : S_OK; }
};

// Derive `class Site final : public gb::ComObject<IBidscope, IConnectionPointContainer>`.
// QueryInterface answers IUnknown (through the first interface) and each listed
// interface; the last Release deletes the object.
template <class... Interfaces>
class ComObject : public Interfaces... {
    static_assert(sizeof...(Interfaces) > 0, "a component object has at least one interface");
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT QueryInterface(const Guid& iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = Find(iid);
        if (*object == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    std::uint32_t AddRef() override { return ++references_; }

    std::uint32_t Release() override {
        const std::uint32_t left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    ComObject() { ModuleUsage::Acquire(); }
    virtual ~ComObject() { ModuleUsage::Drop(); }

private:
    void* Find(const Guid& iid) {
        if (iid == IUnknown::kIid) {
            return static_cast<IUnknown*>(static_cast<First*>(this));
        }
        void* found = nullptr;
        (Match<Interfaces>(iid, found), ...);
        return found;
    }

    template <class Interface>
    void Match(const Guid& iid, void*& found) {
        if (found == nullptr && iid == Interface::kIid) {
            found = static_cast<Interface*>(this);
        }
    }

    std::atomic<std::uint32_t> references_{0};
};

// Creates a T and asks it for `iid`; no exception leaves. This is what a class
// factory's CreateInstance does.
template <class T, class... Args>
HRESULT CreateObject(const Guid& iid, void** object, Args&&... args) noexcept {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    T* created = nullptr;
    try {
        created = new T(std::forward<Args>(args)...);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
    created->AddRef();
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

// Creates a T inside this module, holding the first reference.
template <class T, class... Args>
ComPtr<T> MakeObject(Args&&... args) {
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace gb
