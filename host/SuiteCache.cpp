#include "host/SuiteCache.h"

#include <string>

namespace tavrelio {

namespace {

// Suite names are passed to the host as NUL-terminated texts.
const char* NameOf(SuiteKind kind) { return IdOf(kind).name.data(); }

}  // namespace

const void* SuiteCache::Acquire(SuiteKind kind) {
  const void*& entry = tables_[static_cast<int>(kind)];
  if (entry != nullptr) return entry;
  const void* table = nullptr;
  const SPErr err = basic_->AcquireSuite(NameOf(kind), IdOf(kind).version, &table);
  // A table that comes back with an error code is neither kept nor released.
  if (err != 0 || table == nullptr) RaiseBadCallbackParam();
  entry = table;
  return entry;
}

SuiteCache::~SuiteCache() {
  static constexpr auto kReleaseOrder = detail::ReleaseOrder();
  for (const SuiteKind kind : kReleaseOrder) {
    if (tables_[static_cast<int>(kind)] != nullptr) {
      basic_->ReleaseSuite(NameOf(kind), IdOf(kind).version);
    }
  }
}

}  // namespace tavrelio
