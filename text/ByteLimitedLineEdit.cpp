#include "text/ByteLimitedLineEdit.h"

#include <limits>

#include "text/GbkText.h"

namespace quorvane {

GbkInputValidator::GbkInputValidator(int maxBytes, Kind kind, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes), kind_(kind) {}

QValidator::State GbkInputValidator::validate(QString& input, int& /*pos*/) const {
  if (kind_ == Kind::Digits) {
    for (QChar c : input) {
      if (!(c >= u'0' && c <= u'9') && c != u'-') return Invalid;
    }
  }
  auto bytes = GbkByteCount(input);
  if (!bytes) return Invalid;
  if (maxBytes_ > 0 && *bytes > maxBytes_) return Invalid;
  return Acceptable;
}

ByteLimitedLineEdit::ByteLimitedLineEdit(int maxBytes, GbkInputValidator::Kind kind,
                                         QWidget* parent)
    : QLineEdit(parent),
      maxBytes_(maxBytes),
      kind_(kind),
      validator_(new GbkInputValidator(maxBytes, kind, this)) {
  setValidator(validator_);
  // QLineEdit cuts any text over 32,767 characters by default, typed or set; a board's value
  // shown here must stay whole, so that what is written is what was shown.
  setMaxLength(std::numeric_limits<int>::max());
}

void ByteLimitedLineEdit::SetInputLimit(int maxBytes, GbkInputValidator::Kind kind) {
  maxBytes_ = maxBytes;
  kind_ = kind;
  validator_->SetLimit(maxBytes, kind);
}

}  // namespace quorvane
