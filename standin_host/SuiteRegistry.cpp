#include "standin_host/SuiteRegistry.h"

namespace standin {

void SuiteRegistry::Register(std::string name, int version, const void* table) {
  entries_[{std::move(name), version}].table = table;
}

void SuiteRegistry::Refuse(std::string name, int version, Refusal how) {
  auto& entry = entries_[{std::move(name), version}];
  entry.refused = true;
  entry.refusal = how;
}

void SuiteRegistry::Allow(const std::string& name, int version) {
  entries_[{name, version}].refused = false;
}

SPErr SuiteRegistry::Acquire(const char* name, int version, const void** suite) {
  if (name == nullptr || suite == nullptr) return kSuiteNotFound;
  auto& entry = entries_[{name, version}];
  ++entry.acquires;
  if (entry.table == nullptr || (entry.refused && entry.refusal == Refusal::NoTable)) {
    *suite = nullptr;
    return kSuiteNotFound;
  }
  *suite = entry.table;
  ++entry.held;
  return entry.refused ? kSuiteNotFound : 0;
}

SPErr SuiteRegistry::Release(const char* name, int version) {
  if (name == nullptr) return kSuiteNotFound;
  auto& entry = entries_[{name, version}];
  ++entry.releases;
  if (entry.held == 0) {
    violations_.push_back("ReleaseSuite(" + std::string(name) + " " + std::to_string(version) +
                          "): released more often than acquired");
    return kSuiteNotFound;
  }
  --entry.held;
  return 0;
}

int SuiteRegistry::Held(const std::string& name, int version) const {
  const auto found = entries_.find({name, version});
  return found == entries_.end() ? 0 : found->second.held;
}

std::vector<SuiteKey> SuiteRegistry::HeldSuites() const {
  std::vector<SuiteKey> held;
  for (const auto& [key, entry] : entries_) {
    if (entry.held > 0) held.push_back(key);
  }
  return held;
}

int SuiteRegistry::Acquires(const std::string& name, int version) const {
  const auto found = entries_.find({name, version});
  return found == entries_.end() ? 0 : found->second.acquires;
}

int SuiteRegistry::Releases(const std::string& name, int version) const {
  const auto found = entries_.find({name, version});
  return found == entries_.end() ? 0 : found->second.releases;
}

}  // namespace standin
