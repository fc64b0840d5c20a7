// The window's commands by identifier, and the menus and keys built from
// the resource module's menu and accelerator resources that run them. A
// menu item whose command the window does not handle stays greyed; a key
// of such a command does nothing.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>

class QMenu;
class QWidget;

namespace tessera::ui {

struct WindowCommand {
  std::function<void()> run{};
  // Whether the command can run now, beyond "no command is running".
  std::function<bool()> enabled{};
  // Set for a command shown with a check mark.
  std::function<bool()> checked{};
  // Set when the menu text comes from elsewhere than the menu resource.
  std::function<QString()> label{};
};

class CommandSet : public QObject {
  Q_OBJECT

 public:
  // Keys are bound as shortcuts of owner's window.
  explicit CommandSet(QWidget* owner);

  void Add(std::uint32_t id, WindowCommand command);
  // Handled, no command line running, and enabled.
  bool Available(std::uint32_t id) const;
  // Runs the command when it is available; false when not.
  bool Run(std::uint32_t id) const;

  // Binds the keys of an accelerator table to the commands of this set;
  // the keys of commands it does not have do nothing.
  void BindKeys(std::uint32_t acceleratorTable);
  // A menu resource as a menu owned by parent: its first pop-up when the
  // menu begins with one, else the whole menu. Each time a (sub)menu opens,
  // its items are enabled and checked afresh and show the keys bound here.
  QMenu* BuildMenu(std::uint32_t menuId, QWidget* parent);

 private:
  void Refresh(QMenu* menu) const;
  // A menu text with the key that runs its command after a tab (the
  // text's own hint is kept only when it names a bound key), or none.
  QString WithHintOfBoundKey(const QString& text, std::uint32_t id) const;

  QWidget* owner_;
  std::map<std::uint32_t, WindowCommand> commands_;
  std::map<std::uint32_t, QList<QKeySequence>> keys_;
};

}  // namespace tessera::ui
