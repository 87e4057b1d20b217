// The references the AEGP suites hand out (effects, streams, stream values,
// memory handles), with live accounting. References are opaque tokens that
// are never reused, so a reference used after its release is caught.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/HostTypes.h"

namespace standin {

struct StreamTarget {
  enum class Kind { EffectParam, LayerRoot, EffectParade, EffectInGroup };
  Kind kind = Kind::EffectParam;
  std::uint64_t effect_id = 0;
  std::size_t param = 0;
};

struct LiveReferences {
  std::size_t effects = 0;
  std::size_t streams = 0;
  std::size_t values = 0;
  std::size_t memory = 0;
  std::size_t Total() const { return effects + streams + values + memory; }
  friend bool operator==(const LiveReferences&, const LiveReferences&) = default;
};

class ProjectRefs {
 public:
  explicit ProjectRefs(std::vector<std::string>& violations) : violations_(violations) {}

  AEGP_EffectRefH NewEffect(std::uint64_t effect_id);
  std::optional<std::uint64_t> EffectOf(AEGP_EffectRefH ref, const char* operation);
  bool DisposeEffect(AEGP_EffectRefH ref);

  AEGP_StreamRefH NewStream(StreamTarget target);
  std::optional<StreamTarget> StreamOf(AEGP_StreamRefH ref, const char* operation);
  // The same look-up for the call log: an unknown reference is no misuse here.
  std::optional<StreamTarget> PeekStream(AEGP_StreamRefH ref) const;
  bool DisposeStream(AEGP_StreamRefH ref);

  void ValueHandedOut(AEGP_StreamRefH stream);
  bool ValueDisposed(AEGP_StreamRefH stream);

  AEGP_MemHandle NewMemory(std::string text);
  char* LockMemory(AEGP_MemHandle memory);
  bool FreeMemory(AEGP_MemHandle memory);

  LiveReferences Live() const;

 private:
  std::uintptr_t NextToken() { return next_token_ += 16; }
  void Misuse(const char* operation, const void* ref);

  std::vector<std::string>& violations_;
  std::uintptr_t next_token_ = 0x10000;
  std::unordered_map<std::uintptr_t, std::uint64_t> effects_;
  std::unordered_map<std::uintptr_t, StreamTarget> streams_;
  std::unordered_map<std::uintptr_t, std::size_t> values_;  // per stream token
  std::size_t value_count_ = 0;
  std::unordered_map<std::uintptr_t, std::string> memory_;
};

}  // namespace standin
