#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <optional>

#include "cli/Console.h"
#include "fleet/FoundBoards.h"

namespace quorvane {

// --wait SECONDS and --interface NAME.
QList<QCommandLineOption> SearchOptions();

// Searches as the options say. Nothing, after saying why and naming what was tried, when no
// board answered or the search could not start.
std::optional<FoundBoards> SearchBoards(const QCommandLineParser& parser, Console& console);

}  // namespace quorvane
