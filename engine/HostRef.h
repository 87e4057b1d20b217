// Ownership of one reference the pass takes from the host (an effect, a
// stream, a memory handle or a stream value).
//
// The pass gives every reference back at a fixed point of its run and the
// result of that release joins the run's error, so the release is an explicit
// Release(error) call. The destructor only catches what an early exit (a
// raised missing-suite error) left behind: it gives the reference back and
// reports nothing, since the run's result is already decided.
#pragma once

#include "engine/PassError.h"
#include "host/HostError.h"
#include "host/SuiteCache.h"

namespace tavrelio {

// Traits: `Value`, the slot the host fills; `Refers(value)`, whether a filled
// slot names something to give back; `BorrowReleaseSuite(suites)`, the suite
// the release needs; `Dispose(suites, value)`, the release.
template <typename Traits>
class HostRef {
 public:
  using Value = typename Traits::Value;

  explicit HostRef(SuiteCache& suites) : suites_(suites) {}
  ~HostRef() {
    if (!held_) return;
    try {
      Traits::Dispose(suites_, value_);
    } catch (const RaisedError&) {
      // The suite to release with is missing: nothing more can be done here.
    }
  }
  HostRef(const HostRef&) = delete;
  HostRef& operator=(const HostRef&) = delete;

  // Makes the obtaining call, which fills the slot it is given, only while no
  // error stands. A failed call hands over nothing, so only a successful one
  // leaves a reference to give back. An owner takes one reference in its life.
  // The release suite is borrowed before the reference exists: a host that
  // refuses it then refuses before there is anything that could not be given back.
  template <typename ObtainingCall>
  void Obtain(PassError& error, ObtainingCall&& call) {
    if (error.Ok()) Traits::BorrowReleaseSuite(suites_);
    error.Chain([&] { return call(&value_); });
    held_ = error.Ok() && Traits::Refers(value_);
    if (!held_) value_ = Value{};
  }

  bool Held() const { return held_; }
  Value& Get() { return value_; }
  const Value& Get() const { return value_; }

  // Gives the reference back; the release's result joins the run's error.
  void Release(PassError& error) {
    if (!held_) return;
    held_ = false;
    error.Feed(Traits::Dispose(suites_, value_));
  }

 private:
  SuiteCache& suites_;
  Value value_{};
  bool held_ = false;
};

}  // namespace tavrelio
