// "SP Basic Suite": suites by name and version.
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"

namespace standin {

namespace {

SPErr AcquireSuite(const char* name, int version, const void** suite) {
  return GatedCall("AcquireSuite", ArgText(name, version),
                   [&] { return StandInHost::Current().Suites().Acquire(name, version, suite); });
}

SPErr ReleaseSuite(const char* name, int version) {
  return GatedCall("ReleaseSuite", ArgText(name, version),
                   [&] { return StandInHost::Current().Suites().Release(name, version); });
}

}  // namespace

void InstallBasicSuite(StandInHost& /*host*/, SPBasicSuite& basic) {
  basic.AcquireSuite = AcquireSuite;
  basic.ReleaseSuite = ReleaseSuite;
}

}  // namespace standin
