// gbregister [-u] LIBRARY...
// Loads each component library and calls its DllRegisterServer, or with -u its
// DllUnregisterServer, the way the installer does. The registry is the classes
// root of the machine settings ($GAVELBOOK_MACHINE_SETTINGS, else the program
// folder).

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/ComponentLibrary.h"
#include "platform/Settings.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: gbregister [-u] LIBRARY...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    bool unregister = false;
    if (argc > 1 && std::strcmp(argv[1], "-u") == 0) {
        unregister = true;
        first = 2;
    }
    if (first >= argc) {
        return Usage();
    }
    int failures = 0;
    for (int i = first; i < argc; ++i) {
        std::string error;
        const gb::ComponentLibrary* library = gb::ComponentLibrary::Load(argv[i], &error);
        if (library == nullptr) {
            std::fprintf(stderr, "gbregister: cannot load %s: %s\n", argv[i], error.c_str());
            ++failures;
            continue;
        }
        const HRESULT result = unregister ? library->UnregisterServer() : library->RegisterServer();
        if (gb::Failed(result)) {
            std::fprintf(stderr, "gbregister: %s of %s failed: 0x%08X\n",
                         unregister ? "DllUnregisterServer" : "DllRegisterServer", argv[i],
                         static_cast<unsigned>(result));
            ++failures;
            continue;
        }
        std::printf("%s %s in %s\n", unregister ? "Unregistered" : "Registered",
                    library->Path().c_str(), gb::Settings::ClassesRoot().File().c_str());
    }
    return failures == 0 ? 0 : 1;
}
