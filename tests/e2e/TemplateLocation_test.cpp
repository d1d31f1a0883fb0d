// Where the MQTT template lives: beside the program while its folder can be written, otherwise
// in the user's configuration folder. The read-only folder is a read-only bind mount, which even
// root cannot write; scripts/in-netns gives these tests a private mount namespace for it.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "mqtt/TemplateFile.h"
#include "tests/support/Printers.h"

namespace quorvane {
namespace {

const MqttTemplateValues kValues = {"broker.site", "1883", "", "", "dev01", "in", "out"};

class TemplateLocation : public testing::Test {
 protected:
  QTemporaryDir root;
  QString program = root.filePath(QStringLiteral("bin"));
  QString config = root.filePath(QStringLiteral("config/quorvane"));  // not there yet

  void SetUp() override { ASSERT_TRUE(QDir().mkpath(program)); }
};

TEST_F(TemplateLocation, BesideAWritableProgram) {
  const QString path = TemplateFile::PathFor(program, config);
  EXPECT_EQ(path, QDir(program).filePath(QStringLiteral("模板.ini")));
  ASSERT_TRUE(TemplateFile(path).Save(kValues));
  EXPECT_EQ(TemplateFile(path).Load(), kValues);
  EXPECT_FALSE(QDir(config).exists());
}

TEST_F(TemplateLocation, InTheConfigurationFolderWhenTheProgramsFolderIsReadOnly) {
  const QByteArray folder = QFile::encodeName(program);
  ASSERT_EQ(::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr), 0)
      << "run through scripts/in-netns, which gives a private mount namespace";
  ASSERT_EQ(
      ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr), 0);
  ASSERT_FALSE(QFile(QDir(program).filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly));

  const QString path = TemplateFile::PathFor(program, config);
  EXPECT_EQ(path, QDir(config).filePath(QStringLiteral("模板.ini")));
  ASSERT_TRUE(TemplateFile(path).Save(kValues));
  EXPECT_EQ(TemplateFile(path).Load(), kValues);
  EXPECT_EQ(QDir(program).entryList(QDir::Files), QStringList());
  ::umount2(folder.constData(), MNT_DETACH);
}

}  // namespace
}  // namespace quorvane
