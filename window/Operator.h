#pragma once

#include <QString>

namespace quorvane {

// Everything that waits for the person at the screen goes through here, so tests can play
// the person. Every box is modal and shows its text as plain text.
class Operator {
 public:
  enum class Icon { None, Error };

  static QString DefaultCaption() { return QStringLiteral("信息："); }

  virtual ~Operator() = default;

  // An OK box.
  virtual void ShowMessage(const QString& text, const QString& caption = DefaultCaption(),
                           Icon icon = Icon::None) = 0;
  // An OK/Cancel box; true only for OK (Cancel or closing the box refuses).
  virtual bool Confirm(const QString& text, const QString& caption) = 0;
};

}  // namespace quorvane
