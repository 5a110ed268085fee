// The settings and recovery files under the former organisation name move to
// the new folders once, and never overwrite what is already there.
#include <gtest/gtest.h>

#include <QDir>

#include "TempDir.h"
#include "app/FolderCarryOver.h"

namespace mirel {
namespace {

QString inDir(const test::TempDir& dir, const char* relative) {
    return QString::fromStdString((dir.path() / relative).string());
}

TEST(FolderCarryOverTest, FormerSettingsAndRecoveryFilesMoveOnceAndNewOnesWin) {
    test::TempDir dir;
    dir.write("former/Mirel.conf",
              "[General]\nlanguage=en\n\n[Recent%20File%20List]\nFile1=/home/a/face.mirel\n");
    dir.write("former-data/recovery/100-1.mirel", "crashed work");
    dir.write("former-data/recovery/200-1.mirel", "older copy");
    dir.write("data/recovery/200-1.mirel", "newer copy");
    QSettings settings(inDir(dir, "config/Mirel.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("language"), QStringLiteral("ja"));

    const QString formerSettings = inDir(dir, "former/Mirel.conf");
    const QString formerRecovery = inDir(dir, "former-data/recovery");
    const QString recovery = inDir(dir, "data/recovery");
    const CarriedOver first = carryOverFolders(formerSettings, formerRecovery, settings, recovery);
    EXPECT_EQ(first.settings, 1);
    EXPECT_EQ(first.recoveryFiles, 1);
    EXPECT_EQ(settings.value(QStringLiteral("language")).toString(), QStringLiteral("ja"));
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(),
              QStringLiteral("/home/a/face.mirel"));
    EXPECT_FALSE(QFileInfo::exists(formerSettings));
    EXPECT_EQ(dir.read("data/recovery/100-1.mirel"), "crashed work");
    EXPECT_EQ(dir.read("data/recovery/200-1.mirel"), "newer copy");

    const CarriedOver second = carryOverFolders(formerSettings, formerRecovery, settings, recovery);
    EXPECT_EQ(second.settings + second.recoveryFiles, 0);
}

}  // namespace
}  // namespace mirel
