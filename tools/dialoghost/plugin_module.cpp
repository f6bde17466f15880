#include "tools/dialoghost/plugin_module.h"

#include <dlfcn.h>

namespace pd {

PluginModule::PluginModule(const std::string& bundlePath) {
    const std::string path = bundlePath + "/printpanel.so";
    // Local symbols: the module keeps its own copy of everything it links.
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        error_ = reason != nullptr ? reason : "cannot load " + path;
        return;
    }
    const auto entry =
        reinterpret_cast<PrintDialogPluginEntry>(dlsym(handle_, printDialogPluginEntryName));
    if (entry == nullptr) {
        error_ = path + " has no entry " + printDialogPluginEntryName;
        return;
    }
    factory_.reset(entry());
    if (!factory_) error_ = path + " made no factory";
}

PluginModule::~PluginModule() {
    factory_.reset();
    if (handle_ != nullptr) dlclose(handle_);
}

}  // namespace pd
