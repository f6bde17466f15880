// A print-dialog plug-in module loaded from its bundle, and the factory it made.
#pragma once

#include <memory>
#include <string>

#include "dialog/print_dialog_plugin.h"

namespace pd {

class PluginModule {
  public:
    // Loads "printpanel.so" of the bundle folder and asks its entry for a factory; error() tells
    // why when there is none.
    explicit PluginModule(const std::string& bundlePath);
    // Destroys the factory, then unloads the module.
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // The factory; null when the module could not be loaded or made none.
    PrintDialogPlugin* factory() const { return factory_.get(); }
    const std::string& error() const { return error_; }

  private:
    void* handle_ = nullptr;
    std::unique_ptr<PrintDialogPlugin> factory_;
    std::string error_;
};

}  // namespace pd
