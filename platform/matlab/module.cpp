#include "module.h"

#include <cstdint>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace mexhost {

namespace {

using ApiVersionFunction = void (*)(std::uint32_t *, std::uint32_t *);

#if defined(_WIN32)
// As MATLAB does: by full path, and the libraries the module imports are
// looked for in its own folder first, where velkora64.dll sits beside it.
void *open_library(const std::string &path)
{
    char full_path[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full_path, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    return reinterpret_cast<void *>(
        LoadLibraryExA(full_path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}
void *find_symbol(void *handle, const char *name)
{
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
std::string last_error() { return "error " + std::to_string(GetLastError()); }
#else
void *open_library(const std::string &path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void *find_symbol(void *handle, const char *name) { return dlsym(handle, name); }
std::string last_error()
{
    const char *message = dlerror();
    return message != nullptr ? message : "unknown error";
}
#endif

}  // namespace

Module load_module(const std::string &path)
{
    Module module;
    module.handle = open_library(path);
    if (module.handle == nullptr) {
        throw std::runtime_error("cannot load " + path + ": " + last_error());
    }
    auto version = reinterpret_cast<ApiVersionFunction>(
        find_symbol(module.handle, "mexfilerequiredapiversion"));
    module.function = reinterpret_cast<MexFunction>(find_symbol(module.handle, "mexFunction"));
    if (version == nullptr || module.function == nullptr) {
        throw std::runtime_error(path + " lacks mexFunction or mexfilerequiredapiversion");
    }
    std::uint32_t built_by_rev = 0;
    std::uint32_t target_api_version = 0;
    version(&built_by_rev, &target_api_version);
    module.built_by_rev = built_by_rev;
    module.target_api_version = target_api_version;
    return module;
}

}  // namespace mexhost
