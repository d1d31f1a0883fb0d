#pragma once

#include <QHostAddress>
#include <QString>
#include <functional>
#include <vector>

#include "fleet/FoundBoards.h"
#include "link/DeviceLink.h"

namespace quorvane {

// Where one search datagram goes: 255.255.255.255 (interface "*": wherever the routes send it)
// or the broadcast address of one interface.
struct SearchTarget {
  QString interfaceName;
  QHostAddress broadcast;
};

// The limited broadcast and the broadcast address of every up, non-loopback IPv4 interface;
// with an interface name, that interface's broadcast addresses only.
std::vector<SearchTarget> SearchTargets(const QString& onlyInterface = {});

// The names of the up interfaces, for telling a person what there is.
QStringList UpInterfaceNames();

struct SearchResult {
  FoundBoards boards;
  std::vector<SearchTarget> unsent;  // targets the search could not be sent to
};

// Sends "ss" to every target and collects the answers for waitMs; with an interface name, only
// answers heard on it count. onFound runs once per new board, as it is heard.
SearchResult Discover(DeviceLink& link, const std::vector<SearchTarget>& targets, int waitMs,
                      const QString& onlyInterface = {},
                      const std::function<void(const FoundBoard&)>& onFound = {});

}  // namespace quorvane
