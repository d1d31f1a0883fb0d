#pragma once

#include <QLineEdit>
#include <QValidator>

#include "text/TextField.h"

namespace quorvane {

// Refuses, as it is typed, text that would exceed a GBK byte limit, that GBK cannot encode,
// or (for port boxes) that is not digits and minus signs. Text set from code is not checked.
class GbkInputValidator : public QValidator {
  Q_OBJECT
 public:
  enum class Kind { Text, Digits };
  GbkInputValidator(int maxBytes, Kind kind, QObject* parent = nullptr);
  State validate(QString& input, int& pos) const override;
  void SetLimit(int maxBytes, Kind kind) {
    maxBytes_ = maxBytes;
    kind_ = kind;
  }

 private:
  int maxBytes_;
  Kind kind_;
};

class ByteLimitedLineEdit : public QLineEdit, public TextField {
  Q_OBJECT
 public:
  // maxBytes 0 means no length limit.
  explicit ByteLimitedLineEdit(int maxBytes = 0,
                               GbkInputValidator::Kind kind = GbkInputValidator::Kind::Text,
                               QWidget* parent = nullptr);
  // Any text GBK can encode, of any length.
  explicit ByteLimitedLineEdit(QWidget* parent)
      : ByteLimitedLineEdit(0, GbkInputValidator::Kind::Text, parent) {}
  void SetInputLimit(int maxBytes, GbkInputValidator::Kind kind);
  int MaxBytes() const { return maxBytes_; }
  bool DigitsOnly() const { return kind_ == GbkInputValidator::Kind::Digits; }

  QString FieldText() const override { return text(); }
  void SetFieldText(const QString& text) override { setText(text); }
  QWidget& FieldWidget() override { return *this; }

 private:
  int maxBytes_;
  GbkInputValidator::Kind kind_;
  GbkInputValidator* validator_;
};

}  // namespace quorvane
