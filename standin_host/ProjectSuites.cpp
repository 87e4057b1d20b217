// The AEGP suites that work on the project model (effects, streams,
// keyframes, expressions, memory) with live-reference accounting.
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"

namespace standin {

void InstallProjectSuites(StandInHost& /*host*/) {}

}  // namespace standin
