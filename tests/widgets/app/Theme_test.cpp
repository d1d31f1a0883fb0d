#include "app/Theme.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/Printers.h"

namespace quorvane {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class Theme : public testing::Test {
 protected:
  void TearDown() override { qApp->setStyleSheet(QString()); }
  QTemporaryDir program, system;
  ThemeSetup Themed() {
    ThemeSetup setup;
    setup.programDirectory = program.path();
    setup.systemDirectory = system.path();
    return setup;
  }
  QString ProgramCopy() {
    return QDir(program.path()).filePath(QStringLiteral("quorvane-theme.qss"));
  }
  QString SystemCopy() {
    return QDir(system.path()).filePath(QStringLiteral("quorvane-theme.qss"));
  }
};

TEST_F(Theme, WrittenBesideTheProgramOnceAndApplied) {
  EXPECT_TRUE(Themed().Apply());
  QFile written(ProgramCopy());
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(written.readAll()), ThemeSetup::CarriedTheme());
  EXPECT_EQ(qApp->styleSheet(), ThemeSetup::CarriedTheme());

  WriteFile(ProgramCopy(), "QLabel { color: red; }");  // an operator's own copy is kept
  EXPECT_TRUE(Themed().Apply());
  EXPECT_EQ(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));
}

TEST_F(Theme, SystemCopyWins) {
  WriteFile(ProgramCopy(), "QLabel { color: red; }");
  WriteFile(SystemCopy(), "QLabel { color: blue; }");
  EXPECT_EQ(Themed().ResolvePath(), SystemCopy());
  EXPECT_TRUE(Themed().Apply());
  EXPECT_EQ(qApp->styleSheet(), QStringLiteral("QLabel { color: blue; }"));
}

TEST_F(Theme, FailureLeavesThePlainLookQuietly) {
  ThemeSetup setup = Themed();
  setup.programDirectory = program.path() + QStringLiteral("/missing/dir");
  EXPECT_FALSE(setup.Apply());
  EXPECT_EQ(qApp->styleSheet(), QString());
  EXPECT_EQ(setup.ResolvePath(), QString());
}

}  // namespace
}  // namespace quorvane
