#include "standin_host/HandleStore.h"

#include <sstream>

namespace standin {

namespace {

// New handles hold this pattern, not zeros, so code that relies on a cleared
// record without clearing it shows up.
constexpr std::byte kFreshFill{0xCD};

std::string Describe(const char* operation, PF_Handle handle, const char* problem) {
  std::ostringstream text;
  text << operation << "(" << static_cast<const void*>(handle) << "): " << problem;
  return text.str();
}

}  // namespace

PF_Handle HandleStore::New(A_HandleSize size) {
  auto block = std::make_unique<Block>();
  block->bytes.assign(static_cast<std::size_t>(size), kFreshFill);
  block->data = block->bytes.empty() ? nullptr : block->bytes.data();
  auto handle = reinterpret_cast<PF_Handle>(&block->data);
  blocks_.emplace(handle, std::move(block));
  ++live_;
  return handle;
}

HandleStore::Block* HandleStore::Find(PF_Handle handle, const char* operation) {
  if (handle == nullptr) {
    violations_.push_back(Describe(operation, handle, "null handle"));
    return nullptr;
  }
  const auto found = blocks_.find(handle);
  if (found == blocks_.end()) {
    violations_.push_back(Describe(operation, handle, "unknown handle"));
    return nullptr;
  }
  if (found->second->disposed) {
    violations_.push_back(Describe(operation, handle, "handle already disposed"));
    return nullptr;
  }
  return found->second.get();
}

void* HandleStore::Lock(PF_Handle handle) {
  Block* block = Find(handle, "lock");
  if (block == nullptr) return nullptr;
  ++block->locks;
  return block->data;
}

void HandleStore::Unlock(PF_Handle handle) {
  Block* block = Find(handle, "unlock");
  if (block == nullptr) return;
  if (block->locks == 0) {
    violations_.push_back(Describe("unlock", handle, "handle not locked"));
    return;
  }
  --block->locks;
}

void HandleStore::Dispose(PF_Handle handle) {
  Block* block = Find(handle, "dispose");
  if (block == nullptr) return;
  block->disposed = true;
  block->bytes.clear();
  block->bytes.shrink_to_fit();
  block->data = nullptr;
  --live_;
  ++disposed_;
}

A_HandleSize HandleStore::Size(PF_Handle handle) {
  Block* block = Find(handle, "size");
  return block == nullptr ? 0 : block->bytes.size();
}

bool HandleStore::IsLive(PF_Handle handle) const {
  const auto found = blocks_.find(handle);
  return found != blocks_.end() && !found->second->disposed;
}

int HandleStore::LockCount(PF_Handle handle) const {
  const auto found = blocks_.find(handle);
  return found == blocks_.end() ? 0 : found->second->locks;
}

std::vector<std::byte> HandleStore::Bytes(PF_Handle handle) const {
  const auto found = blocks_.find(handle);
  if (found == blocks_.end() || found->second->disposed) return {};
  return found->second->bytes;
}

}  // namespace standin
