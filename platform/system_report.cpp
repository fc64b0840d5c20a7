#include "platform/system_report.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <fstream>
#include <string_view>

namespace tessera::platform {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string Machine() {
  struct utsname name;
  if (uname(&name) != 0) return {};
  return name.machine;
}

// The processor level: the x86 family, or the ARM architecture version.
int ProcessorLevel() {
  std::ifstream info("/proc/cpuinfo");
  std::string line;
  while (std::getline(info, line)) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string_view key(line.data(), colon);
    if (StartsWith(key, "cpu family") || StartsWith(key, "CPU architecture")) {
      std::string_view value(line);
      value.remove_prefix(colon + 1);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      int level = 0;
      std::from_chars(value.data(), value.data() + value.size(), level);
      return level;
    }
  }
  return 0;
}

std::uint64_t LowestAddress(long pageSize) {
  std::ifstream file("/proc/sys/vm/mmap_min_addr");
  std::uint64_t value = 0;
  if (file >> value && value > 0) return value;
  return static_cast<std::uint64_t>(pageSize);
}

std::uint64_t HighestAddress(int architecture) {
  switch (architecture) {
    case kArchitectureAmd64:
      return 0x7FFFFFFEFFFFULL;  // below the last page of the 47-bit user half
    case kArchitectureArm64:
      return 0xFFFFFFFEFFFFULL;  // 48-bit user addresses
    default:
      return sizeof(void*) == 8 ? 0x7FFFFFFEFFFFULL : 0xBFFEFFFFULL;
  }
}

// "6.1.0-18-amd64": numbers before the first character that is no part of one.
int VersionPart(const char*& p, const char* end) {
  int value = 0;
  auto [next, ec] = std::from_chars(p, end, value);
  if (ec != std::errc()) return 0;
  p = next;
  if (p < end && *p == '.') ++p;
  return value;
}

}  // namespace

int ArchitectureOfMachine(const std::string& machine) {
  if (machine == "x86_64") return kArchitectureAmd64;
  if (machine == "aarch64" || machine == "arm64") return kArchitectureArm64;
  if (machine == "ia64") return kArchitectureIa64;
  if (StartsWith(machine, "arm")) return kArchitectureArm;
  if (StartsWith(machine, "mips")) return kArchitectureMips;
  if (StartsWith(machine, "sh")) return kArchitectureShx;
  if (machine.size() == 4 && machine[0] == 'i' && machine.substr(2) == "86") {
    return kArchitectureIntel;
  }
  return kArchitectureUnknown;
}

int ProcessorTypeOfMachine(const std::string& machine) {
  if (machine == "x86_64") return 8664;
  if (machine == "aarch64" || machine == "arm64") return 43620;  // 0xAA64
  if (machine == "ia64") return 2200;
  if (machine == "i386") return 386;
  if (machine == "i486") return 486;
  if (machine == "i586") return 586;
  if (machine == "i686") return 686;
  if (StartsWith(machine, "arm")) return 1824;
  if (StartsWith(machine, "mips")) return 4000;
  return 0;
}

SystemReport GetSystemReport() {
  const std::string machine = Machine();
  SystemReport report;
  report.architecture = ArchitectureOfMachine(machine);
  report.processorType = ProcessorTypeOfMachine(machine);
  report.processorLevel = ProcessorLevel();
  const long processors = sysconf(_SC_NPROCESSORS_ONLN);
  report.processorCount = processors > 0 ? static_cast<int>(processors) : 1;
  const long page = sysconf(_SC_PAGESIZE);
  report.pageSize = page > 0 ? page : 4096;
  report.lowestAddress = LowestAddress(report.pageSize);
  report.highestAddress = HighestAddress(report.architecture);
  // The host maps memory page by page.
  report.allocationGranularity = report.pageSize;
  return report;
}

Result<VersionReport> GetVersionReport() {
  struct utsname name;
  if (uname(&name) != 0) return ErrorCode::NotSupported;
  const char* p = name.release;
  const char* end = p + std::strlen(p);
  if (p == end || *p < '0' || *p > '9') return ErrorCode::NotSupported;
  VersionReport report;
  report.major = VersionPart(p, end);
  report.minor = VersionPart(p, end);
  report.build = VersionPart(p, end);
  // The device family the shell presents itself as.
  report.platformId = 3;
  report.additional = std::string(name.sysname) + " " + name.release + " " + name.version;
  return report;
}

}  // namespace tessera::platform
