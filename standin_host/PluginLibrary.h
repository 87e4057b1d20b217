// A built plug-in loaded as a real shared library, with its entry point.
#pragma once

#include <stdexcept>
#include <string>

#include "host/HostCallbacks.h"

namespace standin {

class PluginLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PluginLibrary {
 public:
  // Throws PluginLoadError with a readable message when the file does not load
  // or has no EntryPointFunc.
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  PF_EntryPointFunc EntryPoint() const { return entry_point_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  void* module_ = nullptr;
  PF_EntryPointFunc entry_point_ = nullptr;
};

}  // namespace standin
