#include "standin_host/PluginLibrary.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace standin {

namespace {

constexpr const char* kEntryPointName = "EntryPointFunc";

#if defined(_WIN32)
void* OpenModule(const std::string& path, std::string& error) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) error = "LoadLibrary failed with error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(module);
}
void* FindSymbol(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}
void CloseModule(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }
#else
void* OpenModule(const std::string& path, std::string& error) {
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) error = dlerror();
  return module;
}
void* FindSymbol(void* module, const char* name) { return dlsym(module, name); }
void CloseModule(void* module) { dlclose(module); }
#endif

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : path_(path) {
  std::string error;
  module_ = OpenModule(path, error);
  if (module_ == nullptr) {
    throw PluginLoadError("cannot load plug-in " + path + ": " + error);
  }
  entry_point_ = reinterpret_cast<PF_EntryPointFunc>(FindSymbol(module_, kEntryPointName));
  if (entry_point_ == nullptr) {
    CloseModule(module_);
    module_ = nullptr;
    throw PluginLoadError("plug-in " + path + " has no " + kEntryPointName + " export");
  }
}

PluginLibrary::~PluginLibrary() {
  if (module_ != nullptr) CloseModule(module_);
}

}  // namespace standin
