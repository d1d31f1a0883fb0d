#include <QFile>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Searching.h"
#include "cli/SettingsText.h"
#include "fleet/SettingsDiff.h"
#include "fleet/SettingsFile.h"
#include "fleet/SettingsReader.h"
#include "fleet/SettingsView.h"
#include "link/SearchAnswer.h"

namespace quorvane {

namespace {

enum class Outcome { Changed, Unchanged, Failed, NotConfirmed, WouldChange };

struct Target {
  std::string ip;
  std::string id;  // from the search; empty for an address given by hand
  bool readable = true;
};

struct ApplyChoices {
  bool dryRun = false;
  bool yes = false;
};

Outcome ApplyToBoard(BoardChannel& channel, const Target& target, const QJsonObject& wanted,
                     ApplyChoices choices, Console& console) {
  const QString label = BoardLabel(target.ip, target.id);
  auto fail = [&](const QString& why) {
    console.Out(label + QStringLiteral(": failed: ") + why);
    return Outcome::Failed;
  };
  if (!target.readable) {
    return fail(
        QStringLiteral("firmware below 2.0; its settings cannot be read, so nothing was "
                       "written"));
  }
  const ReadSettingsResult read = ReadSettings(channel, target.ip, kReadPatience);
  if (!read.settings) return fail(read.error);
  const QJsonObject current = ViewOfRecord(*read.settings);
  if (HoldsAll(current, wanted)) {
    console.Out(label + QStringLiteral(": unchanged"));
    return Outcome::Unchanged;
  }
  const DecodedParameters merged = Overlay(*read.settings, wanted);
  // The window's own checks, in its order and with its messages.
  if (auto refusal = CheckSettings(SnapshotOf(merged))) {
    return fail(QStringLiteral("refused: ") + refusal->message);
  }
  const std::optional<std::string> record = EncodeParameterRecord(ParametersOf(merged));
  if (!record) return fail(QStringLiteral("refused: 设置中含有无法发送给设备的字符，请修改！"));
  const QJsonObject written = ViewOfRecord(*DecodeParameterRecord(*record));
  const std::vector<FieldChange> changes = DiffSettings(current, written);
  if (changes.empty()) {
    console.Out(label + QStringLiteral(": unchanged"));
    return Outcome::Unchanged;
  }
  console.Out(label + QStringLiteral(": %1 field(s) differ").arg(changes.size()));
  for (const QString& line : ChangeLines(changes)) console.Out(QStringLiteral("  ") + line);
  if (choices.dryRun) return Outcome::WouldChange;
  if (!choices.yes && !console.Confirm(QStringLiteral("Write these settings to ") + label + u'?')) {
    console.Out(label + QStringLiteral(": not written (not confirmed)"));
    return Outcome::NotConfirmed;
  }
  if (!channel.Tell(target.ip, *record))
    return fail(QStringLiteral("the record could not be sent"));
  console.Err(label + QStringLiteral(": written; waiting for it to restart and answer ..."));
  const ReadSettingsResult back = ReadAfterRestart(channel, target.ip, kRestartLimitMs);
  if (!back.settings) return fail(back.error);
  const std::vector<FieldChange> differing = DiffSettings(written, ViewOfRecord(*back.settings));
  if (!differing.empty()) {
    console.Out(label + QStringLiteral(": failed: what it holds now differs from what was "
                                       "written (written -> read back):"));
    for (const QString& line : ChangeLines(differing)) console.Out(QStringLiteral("  ") + line);
    return Outcome::Failed;
  }
  console.Out(label + QStringLiteral(": changed and verified"));
  return Outcome::Changed;
}

QList<QCommandLineOption> ApplyOptions() {
  return {{QStringLiteral("to"),
           QStringLiteral("A board to apply to; give it more than once, or addresses separated "
                          "by commas."),
           QStringLiteral("ADDRESS")},
          {QStringLiteral("dry-run"),
           QStringLiteral("Read each board and show what would change; write nothing.")},
          {QStringLiteral("yes"), QStringLiteral("Write without asking for each board.")}};
}

// The settings file, or nothing after saying why.
std::optional<SettingsFile> LoadSettingsFile(const QString& path, Console& console) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    console.Err(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return std::nullopt;
  }
  auto parsed = ParseSettingsFile(file.readAll());
  if (auto* problem = std::get_if<QString>(&parsed)) {
    console.Err(QStringLiteral("%1: %2; no board was touched").arg(path, *problem));
    return std::nullopt;
  }
  return std::get<SettingsFile>(std::move(parsed));
}

// The --to addresses, or nothing after saying which one is wrong.
std::optional<std::vector<Target>> AddressTargets(const QCommandLineParser& parser,
                                                  Console& console) {
  std::vector<Target> targets;
  for (const QString& value : parser.values(QStringLiteral("to"))) {
    for (const QString& text : value.split(u',', Qt::SkipEmptyParts)) {
      const std::optional<std::string> ip = BoardAddressArgument(text.trimmed(), console);
      if (!ip) return std::nullopt;
      targets.push_back({*ip, {}, true});
    }
  }
  return targets;
}

// What apply and restore are asked: the file and the --to addresses; nothing after saying
// what is wrong with either.
struct Request {
  SettingsFile file;
  std::vector<Target> targets;
  ApplyChoices choices;
};

std::optional<Request> RequestOf(const QCommandLineParser& parser, Console& console) {
  std::optional<SettingsFile> file = LoadSettingsFile(parser.positionalArguments()[0], console);
  if (!file) return std::nullopt;
  std::optional<std::vector<Target>> targets = AddressTargets(parser, console);
  if (!targets) return std::nullopt;
  return Request{std::move(*file),
                 std::move(*targets),
                 {parser.isSet(QStringLiteral("dry-run")), parser.isSet(QStringLiteral("yes"))}};
}

int ApplyToAll(const std::vector<Target>& targets, const QJsonObject& wanted, ApplyChoices choices,
               Console& console) {
  DeviceLink link;
  if (!LinkIsUsable(link, console)) return kFailed;
  BoardChannel channel(link);
  int counts[5] = {};
  for (const Target& target : targets) {
    ++counts[static_cast<int>(ApplyToBoard(channel, target, wanted, choices, console))];
  }
  const int failed = counts[static_cast<int>(Outcome::Failed)];
  QString summary = choices.dryRun ? QStringLiteral("would change %1, unchanged %2, failed %3")
                                         .arg(counts[static_cast<int>(Outcome::WouldChange)])
                                   : QStringLiteral("changed %1, unchanged %2, failed %3")
                                         .arg(counts[static_cast<int>(Outcome::Changed)]);
  summary = summary.arg(counts[static_cast<int>(Outcome::Unchanged)]).arg(failed);
  if (const int declined = counts[static_cast<int>(Outcome::NotConfirmed)]; declined > 0) {
    summary += QStringLiteral(", not confirmed %1").arg(declined);
  }
  console.Out(summary);
  return failed > 0 ? kFailed : kSuccess;
}

const QString kApplyDescription = QStringLiteral(
    "For each board: reads its settings (1 s, 3 times), shows every field that would change, "
    "skips it when none would (\"unchanged\"), otherwise asks (unless --yes), writes the record "
    "after the same checks as the window's write, waits up to 30 s for the board to restart and "
    "answer, reads it again and compares. A board that holds anything else than what was written "
    "is reported as failed, with the fields that differ. The exit status is 1 when any board "
    "failed, 2 when the file or an address is not usable (then no board is touched).");

}  // namespace

int RunApply(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("A settings file: {\"settings\": {...}} with the "
                                              "fields to set; a backup file is one."));
  parser.addOptions(ApplyOptions());
  parser.addOption(
      {QStringLiteral("all"), QStringLiteral("Apply to every board the search finds.")});
  parser.addOptions(SearchOptions());
  int exitCode = kSuccess;
  if (!ParseCommand(parser, args,
                    QStringLiteral("FILE (--to ADDRESS... | --all [--wait SECONDS] "
                                   "[--interface NAME]) [--dry-run] [--yes]"),
                    QStringLiteral("Applies the settings of FILE to boards; fields the file does "
                                   "not name keep the board's values.\n") +
                        kApplyDescription,
                    console, exitCode)) {
    return exitCode;
  }
  const bool all = parser.isSet(QStringLiteral("all"));
  if (parser.positionalArguments().size() != 1 || all == parser.isSet(QStringLiteral("to"))) {
    console.Err(QStringLiteral("apply takes one FILE and either --to ADDRESS or --all"));
    return kBadInput;
  }
  std::optional<Request> request = RequestOf(parser, console);
  if (!request) return kBadInput;
  if (all) {
    const std::optional<FoundBoards> found = SearchBoards(parser, console);
    if (!found) return kFailed;
    for (const FoundBoard& board : found->List()) {
      request->targets.push_back(
          {board.answer.ip, board.answer.id, SupportsParameterRead(board.answer.version)});
    }
  }
  return ApplyToAll(request->targets, request->file.settings, request->choices, console);
}

int RunRestore(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A file that backup wrote."));
  parser.addOptions(ApplyOptions());
  int exitCode = kSuccess;
  if (!ParseCommand(parser, args, QStringLiteral("FILE [--to ADDRESS...] [--dry-run] [--yes]"),
                    QStringLiteral("Puts a backup back: apply with a backup file, to the address "
                                   "the file names unless --to gives others.\n") +
                        kApplyDescription,
                    console, exitCode)) {
    return exitCode;
  }
  if (parser.positionalArguments().size() != 1) {
    console.Err(QStringLiteral("restore takes one FILE"));
    return kBadInput;
  }
  std::optional<Request> request = RequestOf(parser, console);
  if (!request) return kBadInput;
  if (request->targets.empty()) {
    if (!request->file.address) {
      console.Err(QStringLiteral("the file names no board address; give one with --to"));
      return kBadInput;
    }
    request->targets.push_back({*request->file.address, {}, true});
  }
  return ApplyToAll(request->targets, request->file.settings, request->choices, console);
}

}  // namespace quorvane
