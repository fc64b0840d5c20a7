// What the host reports about its processor, memory layout and operating
// system, in the shape of the device's system and version records.
#pragma once

#include <cstdint>
#include <string>

#include "platform/result.h"

namespace tessera::platform {

// Processor architecture numbers of the device's system record.
inline constexpr int kArchitectureIntel = 0;
inline constexpr int kArchitectureMips = 1;
inline constexpr int kArchitectureShx = 4;
inline constexpr int kArchitectureArm = 5;
inline constexpr int kArchitectureIa64 = 6;
inline constexpr int kArchitectureAmd64 = 9;
inline constexpr int kArchitectureArm64 = 12;
inline constexpr int kArchitectureUnknown = 0xFFFF;

struct SystemReport {
  int architecture = kArchitectureUnknown;
  int processorType = 0;
  int processorLevel = 0;
  int processorCount = 0;
  long pageSize = 0;
  std::uint64_t lowestAddress = 0;
  std::uint64_t highestAddress = 0;
  long allocationGranularity = 0;
};

struct VersionReport {
  int major = 0;
  int minor = 0;
  int build = 0;
  int platformId = 0;
  std::string additional;  // UTF-8
};

// Numbers for a host machine name as uname gives it ("x86_64", "aarch64").
int ArchitectureOfMachine(const std::string& machine);
int ProcessorTypeOfMachine(const std::string& machine);

SystemReport GetSystemReport();
// NotSupported when the kernel does not say its version.
Result<VersionReport> GetVersionReport();

}  // namespace tessera::platform
