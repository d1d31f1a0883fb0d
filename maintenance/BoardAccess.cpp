#include "maintenance/BoardAccess.h"

#include "text/GbkText.h"

namespace quorvane {

std::optional<std::string> WireText(const QString& text) { return ToGbk(text); }

}  // namespace quorvane
