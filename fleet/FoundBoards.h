#pragma once

#include <QJsonObject>
#include <QString>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "link/SearchAnswer.h"

namespace quorvane {

// A board that answered the search, and the interface its answer came in on.
struct FoundBoard {
  SearchAnswer answer;
  QString interfaceName;
};

// The boards of one search, each once: a board heard on two networks, or answering twice,
// counts by its address and ID. Bounded, as everything the network fills.
class FoundBoards {
 public:
  static constexpr size_t kMaxBoards = 10000;

  // False when the board is already listed, or the list is full.
  bool Add(const SearchAnswer& answer, const QString& interfaceName);
  const std::vector<FoundBoard>& List() const { return boards_; }

 private:
  std::vector<FoundBoard> boards_;
  std::set<std::pair<std::string, std::string>> seen_;
};

// What files and --json say of a found board: address, id, version, prohibited, interface.
QJsonObject BoardJson(const FoundBoard& board);

}  // namespace quorvane
