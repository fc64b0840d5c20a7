// Whether standard input, output and error reach the programs the shell
// starts. The first start (while any probe result is missing from the
// settings) finds out by starting a second copy of the program with
// "/CHECKSTDIO" and its streams on files, and stores what came back; later
// starts read the stored choice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessera {

// The argument that makes the program answer the probe and end.
inline constexpr std::string_view kStreamCheckArgument = "/CHECKSTDIO";
// What the probe writes as input: 30 characters without a line end.
inline constexpr std::string_view kProbeInput = "0123456789ABCDEFGHIJKLMNOPQRST";

struct StreamProbeOptions {
  // Device path of the program to start; empty: the running program.
  std::u16string program;
  int timeoutMilliseconds = 30000;
};

// What the probe found; all off when it failed.
struct ProbeFindings {
  bool input = false;
  bool output = false;
  bool error = false;
};

// Input and output as told by the size of the answer's output file.
ProbeFindings FindingsFromOutputSize(std::uint64_t size);

// Start-up: takes the stored switches when all three probe results exist
// (and rests the streams switched on); otherwise runs the probe.
void DecideStreamSwitches(const StreamProbeOptions& options = {});

// Runs the probe: stores SUPPORT_STDIN/STDOUT/STDERR and USE_STDIN/STDOUT/
// STDERR and sets the switches. Every failure stores all six as 0 and
// switches the streams off. Gives false only when the session was asked to
// end while it waited; nothing is stored then, so the next start probes.
bool RunStreamProbe(const StreamProbeOptions& options = {});

// The answering side, run first thing by a program started with
// "/CHECKSTDIO": echoes one line of standard input and "Tessera!" to
// standard output and a word to standard error, nothing when the input
// is empty. Gives the exit code.
int AnswerStreamCheck();

}  // namespace tessera
