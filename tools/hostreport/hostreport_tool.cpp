#include "tools/hostreport/hostreport_tool.h"

#include <cinttypes>
#include <cstdio>

#include "platform/text.h"

namespace tessera::tools {

namespace {

constexpr std::u16string_view kUsage[] = {u"使用方法： hostreport [/h]", u"",
                                          u"　/h 使用方法を表示します", u"",
                                          u"OS に関する情報とデバイスに関する情報を表示します"};

constexpr std::u16string_view kVersionError = u"バージョン情報の獲得に失敗しました。";

struct NamedNumber {
  int number;
  std::u16string_view name;
};

constexpr NamedNumber kArchitectures[] = {
    {0, u"INTEL"}, {1, u"MIPS"},  {4, u"SHX"},    {5, u"ARM"},
    {6, u"IA64"},  {9, u"AMD64"}, {12, u"ARM64"},
};

constexpr NamedNumber kProcessorTypes[] = {
    {105, u"SHx SH3DSP"},    {386, u"Intel 386"},        {486, u"Intel 486"},
    {586, u"Intel Pentium"}, {686, u"Intel Pentium II"}, {1824, u"ARM720"},
    {2200, u"Intel IA64"},   {2577, u"Strong ARM"},      {4000, u"MIPS R4000"},
    {5000, u"MIPS R5000"},   {8664, u"AMD X8664"},       {10003, u"HITACHI SH3"},
    {10005, u"HITACHI SH4"}, {43620, u"ARM64"},
};

template <std::size_t N>
std::u16string Lookup(const NamedNumber (&table)[N], int number) {
  for (const auto& entry : table) {
    if (entry.number == number) return std::u16string(entry.name);
  }
  return u"(unknown)";
}

std::u16string Number(long long value) { return platform::Utf8ToUtf16(std::to_string(value)); }

std::u16string Hex8(std::uint64_t value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%08" PRIx64, value);
  return platform::Utf8ToUtf16(buffer);
}

}  // namespace

std::u16string ArchitectureName(int architecture) { return Lookup(kArchitectures, architecture); }

std::u16string ProcessorTypeName(int processorType) {
  return Lookup(kProcessorTypes, processorType);
}

bool IsHostReportUsageRequest(std::u16string_view commandLine) {
  return commandLine == u"/h" || commandLine == u"/H";
}

int WriteHostReport(const platform::SystemReport& system,
                    const platform::Result<platform::VersionReport>& version, ToolOutput& out) {
  out.WriteLine(u"System Information");
  out.WriteLine(u"-------------------------");
  out.Write(u"CPU Architecture : " + ArchitectureName(system.architecture) + u"\n");
  out.Write(u"CPU Type         : " + ProcessorTypeName(system.processorType) + u"(" +
            Number(system.processorType) + u")\n");
  out.Write(u"CPU Level        : " + Number(system.processorLevel) + u"\n");
  out.Write(u"CPU Number       : " + Number(system.processorCount) + u"\n");
  out.Write(u"PageSize         : " + Number(system.pageSize) + u"\n");
  out.Write(u"Application Addr : " + Hex8(system.lowestAddress) + u" - " +
            Hex8(system.highestAddress) + u"\n");
  out.Write(u"AllocGranularity : " + Number(system.allocationGranularity >> 10) + u" KB\n");
  if (!version) {
    out.WriteLine(kVersionError);
    return 1;
  }
  out.WriteLine(u"\nOS Information");
  out.WriteLine(u"-------------------------");
  out.Write(u"Major Version  : " + Number(version->major) + u"\n");
  out.Write(u"Minor Version  : " + Number(version->minor) + u"\n");
  out.Write(u"dwBuildNumber  : " + Number(version->build) + u"\n");
  out.Write(u"Platform ID    : " + Number(version->platformId) + u"\n");
  out.Write(u"Additional Info: " + platform::Utf8ToUtf16(version->additional) + u"\n");
  return 0;
}

int RunHostReport(std::u16string_view commandLine, ToolOutput& out) {
  if (IsHostReportUsageRequest(commandLine)) {
    for (const auto line : kUsage) out.WriteLine(line);
    (void)out.Flush();
    return 0;
  }
  const int code = WriteHostReport(platform::GetSystemReport(), platform::GetVersionReport(), out);
  (void)out.Flush();
  return code;
}

}  // namespace tessera::tools
