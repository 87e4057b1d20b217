#include "standin_host/ProjectRefs.h"

#include <sstream>

namespace standin {

namespace {

template <class H>
std::uintptr_t TokenOf(H ref) {
  return reinterpret_cast<std::uintptr_t>(ref);
}

template <class H>
H RefOf(std::uintptr_t token) {
  return reinterpret_cast<H>(token);
}

}  // namespace

void ProjectRefs::Misuse(const char* operation, const void* ref) {
  std::ostringstream text;
  text << operation << "(" << ref << "): unknown or already released reference";
  violations_.push_back(text.str());
}

AEGP_EffectRefH ProjectRefs::NewEffect(std::uint64_t effect_id) {
  const auto token = NextToken();
  effects_.emplace(token, effect_id);
  return RefOf<AEGP_EffectRefH>(token);
}

std::optional<std::uint64_t> ProjectRefs::EffectOf(AEGP_EffectRefH ref, const char* operation) {
  const auto found = effects_.find(TokenOf(ref));
  if (found == effects_.end()) {
    Misuse(operation, ref);
    return std::nullopt;
  }
  return found->second;
}

bool ProjectRefs::DisposeEffect(AEGP_EffectRefH ref) {
  if (effects_.erase(TokenOf(ref)) == 0) {
    Misuse("AEGP_DisposeEffect", ref);
    return false;
  }
  return true;
}

AEGP_StreamRefH ProjectRefs::NewStream(StreamTarget target) {
  const auto token = NextToken();
  streams_.emplace(token, target);
  return RefOf<AEGP_StreamRefH>(token);
}

std::optional<StreamTarget> ProjectRefs::StreamOf(AEGP_StreamRefH ref, const char* operation) {
  const auto found = streams_.find(TokenOf(ref));
  if (found == streams_.end()) {
    Misuse(operation, ref);
    return std::nullopt;
  }
  return found->second;
}

std::optional<StreamTarget> ProjectRefs::PeekStream(AEGP_StreamRefH ref) const {
  const auto found = streams_.find(TokenOf(ref));
  if (found == streams_.end()) return std::nullopt;
  return found->second;
}

bool ProjectRefs::DisposeStream(AEGP_StreamRefH ref) {
  if (streams_.erase(TokenOf(ref)) == 0) {
    Misuse("AEGP_DisposeStream", ref);
    return false;
  }
  return true;
}

void ProjectRefs::ValueHandedOut(AEGP_StreamRefH stream) {
  ++values_[TokenOf(stream)];
  ++value_count_;
}

bool ProjectRefs::ValueDisposed(AEGP_StreamRefH stream) {
  const auto found = values_.find(TokenOf(stream));
  if (found == values_.end() || found->second == 0) {
    Misuse("AEGP_DisposeStreamValue", stream);
    return false;
  }
  if (--found->second == 0) values_.erase(found);
  --value_count_;
  return true;
}

AEGP_MemHandle ProjectRefs::NewMemory(std::string text) {
  const auto token = NextToken();
  memory_.emplace(token, std::move(text));
  return RefOf<AEGP_MemHandle>(token);
}

char* ProjectRefs::LockMemory(AEGP_MemHandle memory) {
  const auto found = memory_.find(TokenOf(memory));
  if (found == memory_.end()) {
    Misuse("AEGP_LockMemHandle", memory);
    return nullptr;
  }
  return found->second.data();
}

bool ProjectRefs::FreeMemory(AEGP_MemHandle memory) {
  if (memory_.erase(TokenOf(memory)) == 0) {
    Misuse("AEGP_FreeMemHandle", memory);
    return false;
  }
  return true;
}

LiveReferences ProjectRefs::Live() const {
  return LiveReferences{effects_.size(), streams_.size(), value_count_, memory_.size()};
}

}  // namespace standin
