#pragma once

#include <QString>
#include <QTextStream>

namespace quorvane {

// The command line's person: results on standard output, progress and errors on standard
// error, answers to questions from standard input.
class Console {
 public:
  Console();

  void Out(const QString& line);
  void Err(const QString& line);
  // Asks on standard error and reads one line; only "y" or "yes" is a yes, and so is nothing
  // else when standard input has ended.
  bool Confirm(const QString& question);

 private:
  QTextStream out_;
  QTextStream err_;
  QTextStream in_;
};

// What a command's exit status says.
enum ExitCode : int { kSuccess = 0, kFailed = 1, kBadInput = 2 };

}  // namespace quorvane
