// The options sheet's General page: whether a start-up batch file runs and
// which (the start-up record TSXSet.Dat), and the three switches that
// redirect the standard streams of started programs.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "shell/startup_record.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tessera::ui {

inline constexpr std::uint32_t kGeneralPage = 117;

class OptionsGeneralPage : public QWidget {
  Q_OBJECT

 public:
  explicit OptionsGeneralPage(QWidget* parent = nullptr);

  QCheckBox* useStartupFile() { return useFile_; }
  QLineEdit* path() { return path_; }
  QPushButton* browse() { return browse_; }
  // stdin, stdout, stderr.
  QCheckBox* streamSwitch(int stream) { return switches_[static_cast<std::size_t>(stream)]; }

  // OK: checks the start-up file (asking about one that is missing or a
  // folder), writes the record and the switches. False when the page must
  // stay open.
  bool Commit();

 private:
  void EnablePath();
  // A switch turned on for a stream the device seems not to pass on asks
  // whether to keep it on.
  void ConfirmSwitch(int stream);
  void Browse();

  QCheckBox* useFile_;
  QLineEdit* path_;
  QPushButton* browse_;
  std::array<QCheckBox*, 3> switches_{};
  StartupRecord shown_;
  std::array<bool, 3> shownSwitches_{};
};

}  // namespace tessera::ui
