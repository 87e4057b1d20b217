// "AEGP Utility Suite" 7: registration with the AEGP layer hands out an id.
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"

namespace standin {

namespace {

A_Err RegisterWithAEGP(AEGP_GlobalRefcon refcon, const A_char* name, AEGP_PluginID* plugin_id) {
  return GatedCall("AEGP_RegisterWithAEGP", ArgText(refcon, name), [&]() -> A_Err {
    StandInHost& host = StandInHost::Current();
    if (name == nullptr || plugin_id == nullptr) return 3;  // A_Err_PARAMETER
    host.registered_names.emplace_back(name);
    *plugin_id = host.next_plugin_id++;
    return 0;
  });
}

AEGP_UtilitySuite3 MakeUtilitySuite() {
  AEGP_UtilitySuite3 suite{};
  suite.AEGP_RegisterWithAEGP = RegisterWithAEGP;
  return suite;
}

const AEGP_UtilitySuite3 kUtilitySuite = MakeUtilitySuite();

}  // namespace

void InstallUtilitySuite(StandInHost& host) {
  host.Suites().Register("AEGP Utility Suite", 7, &kUtilitySuite);
}

}  // namespace standin
