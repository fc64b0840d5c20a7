// hostreport: what the host says about its processor, memory and system.
#pragma once

#include <string>

#include "platform/result.h"
#include "platform/system_report.h"
#include "tools/common/text_streams.h"

namespace tessera::tools {

// Names of the architecture and processor-type numbers; "(unknown)" for
// numbers the tables do not hold.
std::u16string ArchitectureName(int architecture);
std::u16string ProcessorTypeName(int processorType);

// True for the usage request: exactly "/h" (either case).
bool IsHostReportUsageRequest(std::u16string_view commandLine);

// Writes the report; the version part fails with exit code 1.
int WriteHostReport(const platform::SystemReport& system,
                    const platform::Result<platform::VersionReport>& version, ToolOutput& out);

int RunHostReport(std::u16string_view commandLine, ToolOutput& out);

}  // namespace tessera::tools
