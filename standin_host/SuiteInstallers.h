// Each group of host services registers its tables with a new host here.
#pragma once

#include "host/HostSuites.h"

namespace standin {

class StandInHost;

void InstallBasicSuite(StandInHost& host, SPBasicSuite& basic);
void InstallUtilCallbacks(PF_UtilCallbacks& utils);
void InstallHandleSuites(StandInHost& host);
void InstallAnsiSuite(StandInHost& host);
void InstallUtilitySuite(StandInHost& host);
void InstallWorldSuite(StandInHost& host);
// The AEGP suites that work on the project model.
void InstallProjectSuites(StandInHost& host);

}  // namespace standin
