// Which copy of a workbook is read: the three folders in their order and the three ways a
// team folder is set, with real files in a scratch folder. The tools' use of them, with
// the editor's saves, is in tests/quenmoortools/properties/shared_lists_test.cpp.

#include "platform/files/workbook_places.h"

#include <gtest/gtest.h>

#include <fstream>
#include <system_error>

#include "tests/support/scratch_folder.h"

namespace quenmoor::files {
namespace {

namespace fs = std::filesystem;

class WorkbookPlacesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", (scratch_ / "config").c_str(), 1);
        ::unsetenv(TeamFolderVariable);
        for (const char* folder : {"config/quenmoor", "team", "beside"}) {
            fs::create_directories(scratch_ / folder);
        }
    }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    void write(const fs::path& file, const std::string& text) const {
        std::ofstream(scratch_ / file) << text;
    }
    WorkbookPlace find(const char* name) const {
        return findWorkbook(name, TeamFolder{scratch_ / "team", "a test"}, scratch_ / "beside");
    }

    quenmoor::testsupport::ScratchFolder scratch_;
};

TEST_F(WorkbookPlacesTest, EachWorkbookIsTakenFromTheFirstFolderThatHoldsItWhateverItsCase) {
    write("beside/Options.xls", "");
    write("beside/material.xls", "");
    EXPECT_EQ(find("options.xls").place, Place::Beside);
    EXPECT_EQ(find("options.xls").file, scratch_ / "beside" / "Options.xls");

    write("team/OPTIONS.XLS", "");
    EXPECT_EQ(find("Options.xls").file, scratch_ / "team" / "OPTIONS.XLS");
    write("config/quenmoor/Options.xls", "");
    EXPECT_EQ(find("Options.xls").place, Place::User);
    // Each on its own: the user's Options.xls does not take material.xls with it.
    EXPECT_EQ(find("material.xls").place, Place::Beside);

    // Nowhere: the shipped place, whose opening then names the missing file.
    EXPECT_EQ(find("other.xls").file, scratch_ / "beside" / "other.xls");
}

TEST_F(WorkbookPlacesTest,
       TheVariableComesBeforeTheHostsPreferenceWhichComesBeforeTheAdministrator) {
    const fs::path system = scratch_ / "quenmoor.conf";
    EXPECT_FALSE(teamFolder("", system).has_value()) << "no file, no preference";

    write("quenmoor.conf", "# the design office's lists\n\n  team-folder =  /srv/lists \n");
    EXPECT_EQ(teamFolder("", system)->folder, "/srv/lists");
    EXPECT_EQ(teamFolder("", system)->setBy, system.string());
    EXPECT_EQ(teamFolder(" /home/shared ", system)->folder, "/home/shared");

    ::setenv(TeamFolderVariable, "/mnt/lists", 1);
    EXPECT_EQ(teamFolder("/home/shared", system)->folder, "/mnt/lists");
    ::unsetenv(TeamFolderVariable);
}

TEST_F(WorkbookPlacesTest, ATeamFolderThatIsSetButMissingStopsTheLookupNamingIt) {
    write("beside/Options.xls", "");
    try {
        findWorkbook("Options.xls", TeamFolder{scratch_ / "gone", "the host's preferences"},
                     scratch_ / "beside");
        FAIL() << "a missing team folder was passed over";
    } catch (const std::system_error& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find((scratch_ / "gone").string()), std::string::npos) << text;
        EXPECT_NE(text.find("the host's preferences"), std::string::npos) << text;
    }
}

TEST_F(WorkbookPlacesTest, AFileWrittenOverByAnotherSaveHasANewStampEvenAtTheSameSize) {
    write("team/Options.xls", "version one");
    const FileStamp read = stampOf(scratch_ / "team" / "Options.xls");
    EXPECT_TRUE(read.exists);
    EXPECT_EQ(stampOf(scratch_ / "team" / "Options.xls"), read);

    write("team/incoming", "version two");
    fs::rename(scratch_ / "team" / "incoming", scratch_ / "team" / "Options.xls");
    EXPECT_NE(stampOf(scratch_ / "team" / "Options.xls"), read);
    fs::remove(scratch_ / "team" / "Options.xls");
    EXPECT_FALSE(stampOf(scratch_ / "team" / "Options.xls").exists);
}

}  // namespace
}  // namespace quenmoor::files
