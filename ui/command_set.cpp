#include "ui/command_set.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWidget>
#include <vector>

#include "shell/output.h"
#include "shell/resources.h"
#include "ui/resource_text.h"

namespace tessera::ui {

CommandSet::CommandSet(QWidget* owner) : QObject(owner), owner_(owner) {}

void CommandSet::Add(std::uint32_t id, WindowCommand command) {
  commands_[id] = std::move(command);
}

bool CommandSet::Available(std::uint32_t id) const {
  const auto found = commands_.find(id);
  if (found == commands_.end() || Session().commandRunning) return false;
  return !found->second.enabled || found->second.enabled();
}

bool CommandSet::Run(std::uint32_t id) const {
  if (!Available(id)) return false;
  commands_.at(id).run();
  return true;
}

void CommandSet::BindKeys(std::uint32_t acceleratorTable) {
  const TesseraAcceleratorTable* table = LoadAcceleratorResource(acceleratorTable);
  if (!table) return;
  // Keys the window already gives to something else (the function keys)
  // keep doing that.
  QList<QKeySequence> taken;
  for (const QShortcut* shortcut : owner_->findChildren<QShortcut*>()) taken << shortcut->key();
  std::map<std::uint32_t, QList<QKeySequence>> keys;
  QList<QKeySequence> inert;
  for (const TesseraAccelerator& entry : EntriesOf(*table)) {
    if (!entry.keys) continue;
    const QKeySequence key =
        QKeySequence::fromString(QString::fromUtf16(entry.keys), QKeySequence::PortableText);
    if (commands_.count(entry.command)) {
      keys[entry.command] << key;
    } else if (!taken.contains(key)) {
      inert << key;
    }
  }
  for (const auto& [id, sequences] : keys) {
    auto* action = new QAction(owner_);
    action->setShortcuts(sequences);
    action->setShortcutContext(Qt::WindowShortcut);
    owner_->addAction(action);
    connect(action, &QAction::triggered, this, [this, id = id] { Run(id); });
    keys_[id] = sequences;
  }
  // A key of the table whose command the window does not handle does
  // nothing, rather than reaching the console.
  if (!inert.isEmpty()) {
    auto* action = new QAction(owner_);
    action->setShortcuts(inert);
    action->setShortcutContext(Qt::WindowShortcut);
    owner_->addAction(action);
  }
}

QMenu* CommandSet::BuildMenu(std::uint32_t menuId, QWidget* parent) {
  auto* root = new QMenu(parent);
  const TesseraMenu* menu = LoadMenuResource(menuId);
  if (!menu) return root;
  const auto items = ItemsOf(*menu);
  // A menu that begins with a pop-up shows that pop-up's entries.
  std::uint32_t base = 0;
  std::size_t first = 0;
  std::size_t end = items.size();
  if (!items.empty() && items[0].kind == kMenuPopup) {
    root->setTitle(QString::fromUtf16(items[0].text));
    base = 1;
    first = 1;
    end = first;
    while (end < items.size() && items[end].depth >= base) ++end;
  }
  // The menu under construction at each depth.
  std::vector<QMenu*> open{root};
  for (std::size_t i = first; i < end; ++i) {
    const TesseraMenuItem& item = items[i];
    open.resize(item.depth - base + 1);
    QMenu* into = open.back();
    switch (item.kind) {
      case kMenuSeparator:
        into->addSeparator();
        break;
      case kMenuPopup:
        open.push_back(into->addMenu(QString::fromUtf16(item.text)));
        break;
      default: {
        QAction* action = into->addAction(QString::fromUtf16(item.text));
        action->setData(QVariant::fromValue(item.command));
        connect(action, &QAction::triggered, this, [this, id = item.command] { Run(id); });
      }
    }
  }
  for (QMenu* each : root->findChildren<QMenu*>()) {
    connect(each, &QMenu::aboutToShow, this, [this, each] { Refresh(each); });
  }
  connect(root, &QMenu::aboutToShow, this, [this, root] { Refresh(root); });
  Refresh(root);
  return root;
}

QString CommandSet::WithHintOfBoundKey(const QString& text, std::uint32_t id) const {
  const QString plain = WithoutHint(text);
  const auto bound = keys_.find(id);
  if (bound == keys_.end()) return plain;
  // The key the text names when it is bound, else the first bound.
  const QKeySequence named =
      QKeySequence::fromString(text.mid(plain.size() + 1), QKeySequence::PortableText);
  const QKeySequence shown = bound->second.contains(named) ? named : bound->second.first();
  return plain + QChar(u'\t') + shown.toString(QKeySequence::NativeText);
}

void CommandSet::Refresh(QMenu* menu) const {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator() || action->menu()) continue;
    const std::uint32_t id = action->data().value<std::uint32_t>();
    const auto found = commands_.find(id);
    action->setEnabled(Available(id));
    QString text = action->text();
    if (found != commands_.end()) {
      const WindowCommand& command = found->second;
      action->setCheckable(static_cast<bool>(command.checked));
      if (command.checked) action->setChecked(command.checked());
      if (command.label) text = command.label();
    }
    action->setText(WithHintOfBoundKey(text, id));
  }
}

}  // namespace tessera::ui
