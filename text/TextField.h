#pragma once

#include <QString>
#include <QWidget>

namespace quorvane {

// A box that holds one text of the settings form, whatever it looks like on screen.
class TextField {
 public:
  virtual ~TextField() = default;
  virtual QString FieldText() const = 0;
  // Raises the box's change notification, as typing does.
  virtual void SetFieldText(const QString& text) = 0;
  virtual QWidget& FieldWidget() = 0;
};

}  // namespace quorvane
