#include "standin_host/StandInHost.h"

#include <cstdlib>
#include <iostream>

#include "standin_host/SuiteInstallers.h"

namespace standin {

namespace {

StandInHost* current_host = nullptr;

}  // namespace

StandInHost::StandInHost() {
  if (current_host != nullptr) {
    std::cerr << "stand-in host: only one host may be current at a time\n";
    std::abort();
  }
  current_host = this;
  InstallBasicSuite(*this, basic_suite_);
  InstallUtilCallbacks(util_callbacks_);
  InstallHandleSuites(*this);
  InstallAnsiSuite(*this);
  InstallUtilitySuite(*this);
  InstallWorldSuite(*this);
  InstallProjectSuites(*this);
}

StandInHost::~StandInHost() { current_host = nullptr; }

StandInHost& StandInHost::Current() {
  if (current_host == nullptr) {
    std::cerr << "stand-in host: a host callback ran with no current host\n";
    std::abort();
  }
  return *current_host;
}

std::vector<std::string> StandInHost::AllViolations() {
  std::vector<std::string> all = violations_;
  const auto& suite_violations = suites_.Violations();
  all.insert(all.end(), suite_violations.begin(), suite_violations.end());
  return all;
}

}  // namespace standin
