#include "ui/window_options.h"

namespace tessera::ui {

ParsedWindowOptions ParseWindowOptions(const QStringList& arguments) {
  ParsedWindowOptions parsed;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    QString name = arg;
    std::optional<QString> value;
    if (const qsizetype equals = arg.indexOf(u'=');
        arg.startsWith(QStringLiteral("--")) && equals > 0) {
      name = arg.left(equals);
      value = arg.mid(equals + 1);
    }
    if (name != QStringLiteral("--root") && name != QStringLiteral("--run") &&
        name != QStringLiteral("--screenshot")) {
      parsed.error = QStringLiteral("unknown option: ") + arg;
      return parsed;
    }
    if (!value) {
      if (i + 1 >= arguments.size()) {
        parsed.error = name + QStringLiteral(" needs a value");
        return parsed;
      }
      value = arguments[++i];
    }
    if (name == QStringLiteral("--root")) {
      if (value->isEmpty()) {
        parsed.error = QStringLiteral("--root needs a directory");
        return parsed;
      }
      parsed.options.root = value->toStdString();
    } else if (name == QStringLiteral("--run")) {
      parsed.options.lines.append(*value);
    } else {
      parsed.options.screenshot = *value;
    }
  }
  return parsed;
}

}  // namespace tessera::ui
