#pragma once

#include <QStringList>

#include "cli/Console.h"

namespace quorvane {

// Each takes its arguments with its own name first and returns the exit status.
int RunDiscover(const QStringList& args, Console& console);
int RunRead(const QStringList& args, Console& console);
int RunBackup(const QStringList& args, Console& console);
int RunApply(const QStringList& args, Console& console);
int RunRestore(const QStringList& args, Console& console);
int RunRestart(const QStringList& args, Console& console);
int RunKeyLock(const QStringList& args, Console& console);  // "lock" and "unlock"
int RunConfigMode(const QStringList& args, Console& console);
int RunWifi(const QStringList& args, Console& console);

}  // namespace quorvane
