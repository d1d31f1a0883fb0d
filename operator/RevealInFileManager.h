#pragma once

#include <QString>

namespace quorvane {

// Shows the file selected in the desktop's file manager, or at least opens its folder. One
// implementation per platform; false when nothing could be opened.
bool RevealInFileManager(const QString& path);

}  // namespace quorvane
