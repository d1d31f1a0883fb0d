// quorvane-cli: the boards of a whole site from the command line: find them on every network,
// read, back up, apply one settings file to many, restore, and the maintenance commands.
#include <QCoreApplication>

#include "cli/Commands.h"
#include "constants/Program.h"

using namespace quorvane;

namespace {

struct Command {
  const char* name;
  int (*run)(const QStringList&, Console&);
  const char* summary;
};

constexpr Command kCommands[] = {
    {"discover", RunDiscover, "find the boards on every network interface"},
    {"read", RunRead, "print one board's settings"},
    {"backup", RunBackup, "save the settings of every board found, one file each"},
    {"apply", RunApply, "apply a settings file to boards, verifying each"},
    {"restore", RunRestore, "put a backup file back on its board"},
    {"restart", RunRestart, "restart a board"},
    {"lock", RunKeyLock, "lock a board's push-buttons"},
    {"unlock", RunKeyLock, "unlock a board's push-buttons"},
    {"config-mode", RunConfigMode, "ask or set a board's power-up configuration mode"},
    {"wifi", RunWifi, "make a board join another WiFi network"},
};

void Usage(Console& console) {
  console.Out(
      QStringLiteral("usage: quorvane-cli COMMAND [OPTIONS]   (COMMAND --help for more)\n"));
  for (const Command& command : kCommands) {
    console.Out(QStringLiteral("  %1%2").arg(QString::fromUtf8(command.name).leftJustified(13),
                                             QString::fromUtf8(command.summary)));
  }
  console.Out(QStringLiteral(
      "\nBoards answer on UDP port 8114, which the window uses too: run one of them at a time.\n"
      "Exit status: 0 done, 1 a board failed or did not answer, 2 bad input (nothing sent)."));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quorvane-cli"));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(kProgramVersion));
  Console console;
  const QStringList args = application.arguments().mid(1);
  const QString name = args.value(0);
  if (name.isEmpty() || name == QStringLiteral("--help") || name == QStringLiteral("-h") ||
      name == QStringLiteral("help")) {
    Usage(console);
    return name.isEmpty() ? kBadInput : kSuccess;
  }
  if (name == QStringLiteral("--version")) {
    console.Out(QStringLiteral("quorvane-cli ") + QCoreApplication::applicationVersion());
    return kSuccess;
  }
  for (const Command& command : kCommands) {
    if (name == QString::fromUtf8(command.name)) return command.run(args, console);
  }
  console.Err(QStringLiteral("unknown command \"%1\"").arg(name));
  Usage(console);
  return kBadInput;
}
