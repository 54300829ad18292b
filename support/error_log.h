#pragma once
// The text of "Error.log": eight sections, every line ended by CR LF, each
// heading underlined with "=" and preceded by a blank line (but the first).
// What the runtime knows (call frames, work areas, classes) is read here;
// what only the system knows comes in as SystemFacts, so that the text is
// built and tested the same way everywhere.

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/callstack.h"
#include "runtime/error.h"

namespace support {

struct SystemFacts {
  std::string programPath;
  int programBits = 32;
  std::uint64_t programSize = 0;
  std::string timeFromStart;
  std::string date, time;  // DTOC and hh:mm:ss of the moment of the error
  std::string cpuName;
  int cpuMhz = 0;
  std::uint64_t physicalMb = 0;  // whole megabytes
  int freeResources = 0, gdiResources = 0, userResources = 0;
  std::string compilerVersion;
  int winMajor = 0, winMinor = 0, winBuild = 0;
  std::string servicePack;
  std::vector<std::string> tasks;  // titles of the running applications
  long staticCount = 0;
  std::uint64_t memoryUsed = 0, memoryPeak = 0;  // bytes
};

// The frames the report lists, innermost first: at most 72, the ones that
// begin `skip` levels below the running function.
std::vector<rt::CallFrame> ReportFrames(int skip);

// "Called from NAME(line)" for each frame (the list of the error dialog).
std::vector<std::string> StackLines(const std::vector<rt::CallFrame>& frames);

std::string ErrorLogText(const rt::Error& e, const SystemFacts& facts, const std::vector<rt::CallFrame>& frames);

}  // namespace support
