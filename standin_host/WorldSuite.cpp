// "PF World Suite" 2: the pixel format of a world the host made.
#include "host/HostConstants.h"
#include "standin_host/EffectWorlds.h"
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"

namespace standin {

namespace {

PF_Err GetPixelFormat(const PF_EffectWorld* world, PF_PixelFormat* format) {
  return GatedCall("PF_GetPixelFormat", ArgText(world), [&]() -> PF_Err {
    const HostWorld* made = HostWorld::Find(world);
    if (made == nullptr || format == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    *format = made->Format();
    return PF_Err_NONE;
  });
}

PF_WorldSuite2 MakeWorldSuite() {
  PF_WorldSuite2 suite{};
  suite.PF_GetPixelFormat = GetPixelFormat;
  return suite;
}

const PF_WorldSuite2 kWorldSuite2 = MakeWorldSuite();

}  // namespace

void InstallWorldSuite(StandInHost& host) {
  host.Suites().Register("PF World Suite", 2, &kWorldSuite2);
}

}  // namespace standin
