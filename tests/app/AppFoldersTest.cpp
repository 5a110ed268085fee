// Where the sample bank and the saved files are, started in the project
// folder or anywhere else.
#include <gtest/gtest.h>

#include <QDir>

#include "TempDir.h"
#include "app/AppFolders.h"

namespace mirel {
namespace {

TEST(AppFoldersTest, ProjectFolderFirstThenInstalledBankAndUserFolder) {
    struct Case {
        const char* name;
        bool data;       // the working directory holds Data/
        bool output;     // ... and Output/
        bool installed;  // the installed bank exists
        const char* expectedData;
        const char* expectedOutput;
    };
    const Case cases[] = {
        {"project folder", true, true, true, "Data", "Output"},
        {"project folder without Output", true, false, true, "Data", "Output"},
        {"only an Output folder", false, true, true, "installed", "Output"},
        {"anywhere else", false, false, true, "installed", "user"},
        {"no bank anywhere", false, false, false, "Data", "user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const auto work = dir.path() / "work";
        std::filesystem::create_directories(work);
        if (c.data) std::filesystem::create_directories(work / "Data");
        if (c.output) std::filesystem::create_directories(work / "Output");
        const QString installed =
            QString::fromStdString((dir.path() / "share/mirel/Data").string());
        if (c.installed) std::filesystem::create_directories(installed.toStdString());
        const QString user = QString::fromStdString((dir.path() / "Pictures/Mirel").string());

        const AppFolders folders =
            chooseAppFolders(QDir(QString::fromStdString(work.string())), installed, user);
        const auto named = [&](const char* expected) {
            const QString e = QString::fromLatin1(expected);
            return e == QLatin1String("installed") ? installed
                   : e == QLatin1String("user")    ? user
                                                   : e;
        };
        EXPECT_EQ(folders.data, named(c.expectedData));
        EXPECT_EQ(folders.output, named(c.expectedOutput));
    }
}

}  // namespace
}  // namespace mirel
