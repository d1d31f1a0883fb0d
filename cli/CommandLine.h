#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "cli/Console.h"
#include "fleet/BoardChannel.h"

namespace quorvane {

// What every command that asks a board shares.
inline constexpr Patience kReadPatience{1000, 3};
inline constexpr int kDefaultSearchMs = 2000;
inline constexpr int kRestartLimitMs = 30000;

// Parses a command's arguments (args[0] is the command's name). False with the exit code set
// when the command must end here: after --help, or with a usage error.
bool ParseCommand(QCommandLineParser& parser, const QStringList& args, const QString& usage,
                  const QString& description, Console& console, int& exitCode);

// A board's address as the command line takes it: dotted IPv4 of one host; nothing is resolved.
std::optional<std::string> BoardAddressArgument(const QString& text, Console& console);

// The search wait of --wait SECONDS in milliseconds; nothing (after a message) when malformed.
std::optional<int> SearchWaitMs(const QCommandLineParser& parser, Console& console);

// The shared endpoint on the tool's port; nothing (after a message) when another program has it.
bool LinkIsUsable(const DeviceLink& link, Console& console);

// "10.0.0.5 (ID Board1)" or the address alone.
QString BoardLabel(const std::string& ip, const std::string& idGbk = {});

}  // namespace quorvane
