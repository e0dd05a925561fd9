// Reads a template library file and walks its templates as the template
// editor's list does.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "itemdb/TemplateLibrary.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CTemplateLibrary library;
    try {
        gb::Archive ar = gb::Archive::ForLoading(
            std::string(reinterpret_cast<const char*>(data), size), "Templates.cta");
        library.Serialize(ar);
    } catch (const gb::ArchiveException&) {
        // The templates read completely are kept, as when the program opens it.
    }
    (void)library.GetTemplate(library.GetSelected());
    for (bool more = library.MoveFirst(); more; more = library.MoveNext()) {
        const CTDocText* text = library.GetTemplate();
        if (library.FindByName(text->GetName()) < 0) {
            std::abort();  // every template the library holds is found by its name
        }
    }
    return 0;
}
