// The host's basic suite: hands out suite tables by name and version, counts
// every acquire and release, and can refuse any suite.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/HostSuites.h"

namespace standin {

using SuiteKey = std::pair<std::string, int>;

enum class Refusal {
  NoTable,         // error code, no table
  ErrorWithTable,  // error code, but a table handed back anyway
};

class SuiteRegistry {
 public:
  static constexpr SPErr kSuiteNotFound = 0x53214664;  // what a host answers for an unknown suite

  void Register(std::string name, int version, const void* table);
  void Refuse(std::string name, int version, Refusal how = Refusal::NoTable);
  void Allow(const std::string& name, int version);

  SPErr Acquire(const char* name, int version, const void** suite);
  SPErr Release(const char* name, int version);

  int Held(const std::string& name, int version) const;
  std::vector<SuiteKey> HeldSuites() const;
  int Acquires(const std::string& name, int version) const;
  int Releases(const std::string& name, int version) const;
  std::vector<std::string>& Violations() { return violations_; }

 private:
  struct Entry {
    const void* table = nullptr;
    bool refused = false;
    Refusal refusal = Refusal::NoTable;
    int held = 0;
    int acquires = 0;
    int releases = 0;
  };
  std::map<SuiteKey, Entry> entries_;
  std::vector<std::string> violations_;
};

}  // namespace standin
