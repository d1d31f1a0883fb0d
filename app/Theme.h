#pragma once

#include <QString>

namespace quorvane {

// The look of the windows: a style sheet the program carries, kept as a file so it can be
// changed without a rebuild. A copy in the system directory wins over the one beside the
// program. Any failure leaves the plain look and says nothing.
struct ThemeSetup {
  static constexpr const char* kFileName = "quorvane-theme.qss";
  static constexpr const char* kSystemDirectory = "/etc/quorvane";

  QString programDirectory;
  QString systemDirectory = QString::fromUtf8(kSystemDirectory);

  // Writes the carried theme beside the program when no file is there (failure ignored).
  void EnsureProgramCopy() const;
  // The theme file to use: the system copy if present, else the program's, else empty.
  QString ResolvePath() const;
  // Ensures, resolves, loads and applies; true when a theme was applied.
  bool Apply() const;

  static QString CarriedTheme();
};

}  // namespace quorvane
