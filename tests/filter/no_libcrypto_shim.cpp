// Preloaded into psfilter by a test: makes libcrypto impossible to load, as on a system where it
// is missing, and leaves every other dlopen alone.
#include <dlfcn.h>

#include <cstring>

extern "C" void* dlopen(const char* file, int mode) {
    if (file != nullptr && std::strstr(file, "libcrypto") != nullptr) return nullptr;
    using Dlopen = void* (*)(const char*, int);
    static const auto next = reinterpret_cast<Dlopen>(dlsym(RTLD_NEXT, "dlopen"));
    return next(file, mode);
}
