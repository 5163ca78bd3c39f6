#include "platform/CupsLibrary.h"

#include <dlfcn.h>

#include <optional>

namespace tessra {
namespace {

std::optional<CupsLibrary> Load()
{
    void* handle = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle) return std::nullopt;
    CupsLibrary library;
    bool complete = true;
#define TESSRA_CUPS_RESOLVE(name)                                                   \
    library.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name)); \
    complete = complete && library.name;
    TESSRA_CUPS_FUNCTIONS(TESSRA_CUPS_RESOLVE)
#undef TESSRA_CUPS_RESOLVE
    if (!complete) return std::nullopt;  // the handle stays open: the process ends soon enough
    return library;
}

}  // namespace

const CupsLibrary* Cups()
{
    static const std::optional<CupsLibrary> library = Load();
    return library ? &*library : nullptr;
}

}  // namespace tessra
