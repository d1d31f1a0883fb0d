#include "cli/Console.h"

#include <cstdio>

namespace quorvane {

Console::Console() : out_(stdout), err_(stderr), in_(stdin) {}

void Console::Out(const QString& line) { out_ << line << Qt::endl; }

void Console::Err(const QString& line) { err_ << line << Qt::endl; }

bool Console::Confirm(const QString& question) {
  err_ << question << QStringLiteral(" [y/N] ") << Qt::flush;
  const QString answer = in_.readLine().trimmed().toLower();
  return answer == QStringLiteral("y") || answer == QStringLiteral("yes");
}

}  // namespace quorvane
