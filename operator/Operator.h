#pragma once

#include <QString>
#include <QUrl>
#include <optional>

class QAction;
class QDialog;
class QMenu;
class QPoint;

namespace quorvane {

// Everything that waits for the person at the screen or reaches the desktop goes through here,
// so tests can play the person. Boxes are modal, run a nested event loop (replies keep being
// handled) and show their text as plain text.
class Operator {
 public:
  enum class Icon { None, Error };

  // What the save-file dialog proposes.
  struct SaveFileRequest {
    QString title;
    QString proposedName;      // without extension
    QString defaultExtension;  // without dot; added when the person types none
    QString filter;            // e.g. "apk (*.apk)"
  };

  static QString DefaultCaption() { return QStringLiteral("信息："); }

  virtual ~Operator() = default;

  // An OK box.
  virtual void ShowMessage(const QString& text, const QString& caption = DefaultCaption(),
                           Icon icon = Icon::None) = 0;
  // An OK box that waits for nobody: no owner window, not modal, returns at once; the main
  // window stays usable while it is open.
  virtual void ShowOwnerlessMessage(const QString& text,
                                    const QString& caption = DefaultCaption()) = 0;
  // An OK/Cancel box; true only for OK (Cancel or closing the box refuses).
  virtual bool Confirm(const QString& text, const QString& caption) = 0;
  // One of the tool's own windows, modal until it closes; its result code.
  virtual int RunModal(QDialog& window) = 0;
  // The chosen path, after the person agreed to overwrite an existing file; nothing on Cancel.
  virtual std::optional<QString> ChooseSaveFile(const SaveFileRequest& request) = 0;
  // Shows the menu at a screen position until a choice or a dismissal; the chosen action has
  // been triggered when this returns it. Nothing when the menu was closed without a choice.
  virtual QAction* ChooseFromMenu(QMenu& menu, const QPoint& at) = 0;
  // False when the desktop has no clipboard to take it.
  virtual bool SetClipboardText(const QString& text) = 0;
  // In the desktop's browser; false when the desktop could not open it.
  virtual bool OpenAddress(const QUrl& address) = 0;
  // Shows the file selected in the desktop's file manager; false when that failed.
  virtual bool RevealFile(const QString& path) = 0;
};

}  // namespace quorvane
