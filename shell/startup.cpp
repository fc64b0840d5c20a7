#include "shell/startup.h"

#include "launch/process_table.h"
#include "launch/resting_files.h"
#include "platform/device.h"
#include "platform/shared_memory.h"
#include "platform/termination.h"
#include "shell/current_directory.h"
#include "shell/device_clock.h"
#include "shell/language_choice.h"
#include "shell/message_catalogue.h"
#include "shell/message_overrides.h"
#include "shell/output.h"
#include "shell/resources.h"

namespace tessera {

namespace {

constexpr std::uint32_t kStringApplicationTitle = 57344;

// The session that a signal ends.
ShellStartup* g_started = nullptr;

// The language of the window texts: the resource module (the stored
// library, or the user's own language on a first start), then the message
// and help file names it names.
void ChooseLanguage() {
  ChooseStartupLanguage();
  ChooseProgramFileNames();
}

std::u16string ApplicationTitleText() {
  std::u16string title = LoadResourceString(kStringApplicationTitle);
  return title.empty() ? std::u16string(u"Tessera") : title;
}

}  // namespace

ShellStartup::~ShellStartup() { Finish(); }

platform::Status ShellStartup::OpenDevice(const std::optional<std::string>& root) {
  platform::DeviceOptions options;
  options.root = root;
  if (platform::Status status = platform::SetupDevice(options); !status.ok()) return status;
  platform::RemoveStaleSharedMemory();
  return platform::Status::Ok();
}

std::string ShellStartup::DeviceFailureText(const std::optional<std::string>& root,
                                            platform::Status status) {
  platform::DeviceOptions options;
  options.root = root;
  std::string where = platform::DeviceRootFor(options);
  if (where.empty()) where = root ? "\"\"" : "(no home directory)";
  return "Tessera: cannot set up the device root " + where + ": " +
         std::string(platform::ErrorDescription(status.error())) + "\n";
}

void ShellStartup::Start(const StreamProbeOptions& probe) {
  started_ = true;
  g_started = this;
  // First, so that a kill during the stream probe is not lost.
  platform::InstallTerminationHandler();
  ChooseLanguage();
  Session().applicationTitle = ApplicationTitleText();
  LoadDeviceClock();
  LoadMessageOverrides();
  // Before any context takes SUPPORTSTDIN and SUPPORTSTDOUT from the choice.
  DecideStreamSwitches(probe);
  // Other programs of the device read the current directory from here.
  CreateCurrentDirectoryBlock();
}

void ShellStartup::Finish() {
  if (!started_) return;
  started_ = false;
  if (g_started == this) g_started = nullptr;
  for (auto stream : {platform::StandardStream::Input, platform::StandardStream::Output,
                      platform::StandardStream::Error}) {
    ReleaseRestingFile(stream);
  }
  FreeMessageTexts();
  CloseCurrentDirectoryBlock();
}

bool ConfirmClose() {
  if (Session().commandRunning) return false;
  return PurgeForExit() == 0 || ConfirmExitWithPrograms();
}

void EndSessionOnSignal(const std::function<void()>& frontEndSteps) {
  Processes().EndAll();
  if (frontEndSteps) frontEndSteps();
  if (g_started) g_started->Finish();
  platform::EndByTerminationSignal();
}

}  // namespace tessera
