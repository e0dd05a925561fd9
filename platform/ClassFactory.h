#pragma once
// Class objects: what a component library's DllGetClassObject hands out to
// create the objects of one class.

#include <span>

#include "platform/ComObject.h"

struct IClassFactory : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{F11D6D52-8A47-4BB6-A49A-B4071D73CA74}");

    // A new object of the class, asked for `iid`. `outer` must be null: the
    // objects cannot be aggregated.
    virtual HRESULT CreateInstance(IUnknown* outer, const gb::Guid& iid, void** object) = 0;
    // Keeps the library in use while locked.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

namespace gb {

// Creates one object of a class and asks it for `iid`; CreateObject<T> fits.
using ObjectCreator = HRESULT (*)(const Guid& iid, void** object);

// One entry of a library's table of the classes it serves.
struct ComponentClass {
    Guid clsid;
    ObjectCreator create;
};

class ClassFactory final : public ComObject<IClassFactory> {
public:
    explicit ClassFactory(ObjectCreator create) : create_(create) {}

    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) override;
    HRESULT LockServer(bool lock) override;

    // DllGetClassObject over a library's class table: the class object of
    // `clsid` asked for `iid`, or CLASS_E_CLASSNOTAVAILABLE.
    static HRESULT Serve(std::span<const ComponentClass> classes, const Guid& clsid,
                         const Guid& iid, void** object) noexcept;

private:
    ObjectCreator create_;
};

}  // namespace gb
