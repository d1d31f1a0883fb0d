#pragma once

#include <QFrame>
#include <QLineEdit>
#include <array>

#include "text/TextField.h"

namespace quorvane {

// Four number fields separated by dots, as an operator expects of an address box.
class Ipv4AddressBox : public QFrame, public TextField {
  Q_OBJECT
 public:
  explicit Ipv4AddressBox(QWidget* parent = nullptr);

  // Empty when every field is blank; otherwise the dotted quad, a blank field reading as 0.
  QString Text() const;
  // Empty text blanks the box; anything but a dotted quad of 0..255 blanks it too.
  void SetText(const QString& text);

  QString FieldText() const override { return Text(); }
  void SetFieldText(const QString& text) override { SetText(text); }
  QWidget& FieldWidget() override { return *this; }

  QLineEdit* Field(int index) const { return fields_[static_cast<size_t>(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnFieldEdited(int index);

  std::array<QLineEdit*, 4> fields_{};
};

}  // namespace quorvane
