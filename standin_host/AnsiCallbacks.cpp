#include "standin_host/AnsiCallbacks.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/HostConstants.h"
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"

namespace standin {

namespace {

// Like the host's routines these write without bounds; a text longer than the
// message field, aimed at the message field, is caught as a violation and cut.
void CheckedCopy(StandInHost& host, A_char* destination, const std::string& text,
                 const char* function) {
  PF_OutData* out = host.current_out_data;
  const bool into_message = out != nullptr && destination == out->return_msg;
  if (into_message && text.size() > static_cast<std::size_t>(PF_MAX_EFFECT_MSG_LEN)) {
    host.Violations().push_back(std::string(function) + ": " + std::to_string(text.size()) +
                                " characters written into the 256-byte message field");
    std::memcpy(destination, text.data(), PF_MAX_EFFECT_MSG_LEN);
    destination[PF_MAX_EFFECT_MSG_LEN] = '\0';
    return;
  }
  std::memcpy(destination, text.c_str(), text.size() + 1);
}

}  // namespace

int HostSprintf(A_char* buffer, const A_char* format, ...) {
  StandInHost& host = StandInHost::Current();
  host.Gate("sprintf");
  if (buffer == nullptr || format == nullptr) {
    host.Violations().push_back("sprintf: null buffer or format");
    host.Record("sprintf", ArgText(format), std::nullopt);
    return -1;
  }
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
  std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  CheckedCopy(host, buffer, std::string(text.data()), "sprintf");
  host.Record("sprintf", ArgText(format), std::nullopt);
  return length;
}

A_char* HostStrcpy(A_char* destination, const A_char* source) {
  StandInHost& host = StandInHost::Current();
  host.Gate("strcpy");
  if (destination == nullptr || source == nullptr) {
    host.Violations().push_back("strcpy: null argument");
  } else {
    CheckedCopy(host, destination, source, "strcpy");
  }
  host.Record("strcpy", ArgText(source), std::nullopt);
  return destination;
}

namespace {

PF_ANSICallbacksSuite1 MakeAnsiSuite() {
  PF_ANSICallbacksSuite1 suite{};
  suite.sprintf = HostSprintf;
  suite.strcpy = HostStrcpy;
  return suite;
}

const PF_ANSICallbacksSuite1 kAnsiSuite = MakeAnsiSuite();

}  // namespace

void InstallAnsiSuite(StandInHost& host) {
  host.Suites().Register("PF ANSI Suite", 1, &kAnsiSuite);
}

}  // namespace standin
