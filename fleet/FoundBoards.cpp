#include "fleet/FoundBoards.h"

#include "fleet/SettingsView.h"

namespace quorvane {

bool FoundBoards::Add(const SearchAnswer& answer, const QString& interfaceName) {
  if (boards_.size() >= kMaxBoards) return false;
  if (!seen_.emplace(answer.ip, answer.id).second) return false;
  boards_.push_back({answer, interfaceName});
  return true;
}

QJsonObject BoardJson(const FoundBoard& board) {
  return {{QStringLiteral("address"), GbkTextValue(board.answer.ip)},
          {QStringLiteral("id"), GbkTextValue(board.answer.id)},
          {QStringLiteral("version"), GbkTextValue(board.answer.version)},
          {QStringLiteral("prohibited"), board.answer.prohibited},
          {QStringLiteral("interface"), board.interfaceName}};
}

}  // namespace quorvane
