// The host's memory handles, with accounting: every live handle, its size and
// lock count. Misuse (double dispose, a disposed or unknown handle) is
// recorded as a violation instead of being undefined behaviour.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/HostTypes.h"

namespace standin {

class HandleStore {
 public:
  explicit HandleStore(std::vector<std::string>& violations) : violations_(violations) {}

  PF_Handle New(A_HandleSize size);
  void* Lock(PF_Handle handle);
  void Unlock(PF_Handle handle);
  void Dispose(PF_Handle handle);
  A_HandleSize Size(PF_Handle handle);

  bool IsLive(PF_Handle handle) const;
  int LockCount(PF_Handle handle) const;
  std::size_t LiveCount() const { return live_; }
  std::size_t DisposedCount() const { return disposed_; }
  // The handle's bytes (for tests), empty when it is not live.
  std::vector<std::byte> Bytes(PF_Handle handle) const;

 private:
  struct Block {
    void* data = nullptr;  // must stay first: a PF_Handle points here
    std::vector<std::byte> bytes;
    int locks = 0;
    bool disposed = false;
  };
  Block* Find(PF_Handle handle, const char* operation);

  std::vector<std::string>& violations_;
  // Disposed blocks are kept so their addresses are never reused and later use is caught.
  std::unordered_map<PF_Handle, std::unique_ptr<Block>> blocks_;
  std::size_t live_ = 0;
  std::size_t disposed_ = 0;
};

}  // namespace standin
