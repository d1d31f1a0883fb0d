#include "text/Ipv4AddressBox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace quorvane {

Ipv4AddressBox::Ipv4AddressBox(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(0);
  static const QRegularExpression octet(QStringLiteral("^(25[0-5]|2[0-4][0-9]|1?[0-9]?[0-9])?$"));
  for (int i = 0; i < 4; ++i) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("octet%1").arg(i + 1));
    field->setFrame(false);
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(3);
    field->setValidator(new QRegularExpressionValidator(octet, field));
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, i] { OnFieldEdited(i); });
    fields_[static_cast<size_t>(i)] = field;
    layout->addWidget(field, 1);
    if (i < 3) {
      auto* dot = new QLabel(QStringLiteral("."), this);
      dot->setAlignment(Qt::AlignCenter);
      layout->addWidget(dot);
    }
  }
}

QString Ipv4AddressBox::Text() const {
  bool allBlank = true;
  for (auto* f : fields_) allBlank = allBlank && f->text().isEmpty();
  if (allBlank) return {};
  QStringList parts;
  for (auto* f : fields_) parts << (f->text().isEmpty() ? QStringLiteral("0") : f->text());
  return parts.join(u'.');
}

void Ipv4AddressBox::SetText(const QString& text) {
  QStringList parts = text.split(u'.');
  bool valid = parts.size() == 4;
  for (const QString& p : parts) {
    bool ok = false;
    int value = p.toInt(&ok);
    valid = valid && ok && p.size() <= 3 && value >= 0 && value <= 255 && !p.startsWith(u'+') &&
            !p.startsWith(u'-');
  }
  for (int i = 0; i < 4; ++i) {
    fields_[static_cast<size_t>(i)]->setText(valid ? QString::number(parts[i].toInt()) : QString());
  }
}

void Ipv4AddressBox::OnFieldEdited(int index) {
  if (fields_[static_cast<size_t>(index)]->text().size() == 3 && index < 3) {
    fields_[static_cast<size_t>(index + 1)]->setFocus();
    fields_[static_cast<size_t>(index + 1)]->selectAll();
  }
}

bool Ipv4AddressBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  for (int i = 0; i < 4; ++i) {
    if (watched != fields_[static_cast<size_t>(i)]) continue;
    QLineEdit* field = fields_[static_cast<size_t>(i)];
    if ((key->key() == Qt::Key_Period || key->key() == Qt::Key_Space) && i < 3) {
      if (!field->text().isEmpty()) {
        fields_[static_cast<size_t>(i + 1)]->setFocus();
        fields_[static_cast<size_t>(i + 1)]->selectAll();
      }
      return true;
    }
    if (key->key() == Qt::Key_Backspace && field->text().isEmpty() && i > 0) {
      fields_[static_cast<size_t>(i - 1)]->setFocus();
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace quorvane
