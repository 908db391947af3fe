// Whose lists the tools read and where the list editor saves them, through the add-in as
// the user reaches it: the Custom Properties page, its Options button, the editor's Save,
// and the next page. The user's own folder is a scratch folder (XDG_CONFIG_HOME); the
// team's is one the host's preference names; the shipped lists are those beside the
// library.
//
// The cases with a folder the user cannot write need a user the permissions hold for:
// run as root they skip, and the SharedListsAsUser test runs this program again as an
// ordinary user (tests/support/as_user.sh).

#include <gtest/gtest.h>
#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cadhost/model/combo_control.h"
#include "contracts/host/host_codes.h"
#include "quenmoortools/properties/options_workbook.h"
#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/toolkit/addin_windows.h"
#include "quenmoortools/ui/module1.h"
#include "tests/support/addin_on_host.h"
#include "tests/support/com_error_of.h"
#include "tests/support/qt_windows.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::properties {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using quenmoor::testsupport::fileBytes;

const Strings Names = {"Material", "Finish",  "Supplier",    "Department", "Project",
                       "Drawn By", "Checked", "Description", "Revision"};

class SharedListsTest : public quenmoor::testsupport::AddinOnHost {
protected:
    static void SetUpTestSuite() {
        AddinOnHost::SetUpTestSuite();
        quenmoor::testsupport::offscreenApplication();
    }
    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", (scratch_ / "config").c_str(), 1);
        ::unsetenv("QUENMOOR_TEAM_FOLDER");
        AddinOnHost::SetUp();
        host_->model().newDocument(host::DocumentPart, "Bracket");
        fs::create_directories(team_);
    }
    void TearDown() override {
        toolkit::closeAddinWindows();
        fs::permissions(team_, fs::perms::owner_all, fs::perm_options::add);
        AddinOnHost::TearDown();
        ::unsetenv("XDG_CONFIG_HOME");
    }

    fs::path userFile() const { return scratch_ / "config" / "quenmoor" / "Options.xls"; }
    fs::path teamFile() const { return team_ / "Options.xls"; }
    static fs::path shippedFile() { return fs::path(ui::addinFolder()) / "Options.xls"; }

    // An options workbook whose first list holds `materials`.
    static void writeOptions(const fs::path& file, const Strings& materials) {
        workbook::WorkbookData data;
        fill(data.addSheet("properties"), Names);
        fill(data.addSheet("list1"), materials);
        for (int k = 2; k <= ChoiceListCount; ++k) {
            fill(data.addSheet(listSheetName(k)), {"entry " + std::to_string(k)});
        }
        workbook::writeXls(data, file);
    }
    static void fill(workbook::Sheet& sheet, const Strings& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            sheet.set(static_cast<int>(i) + 1, 1, rows[i]);
        }
    }
    // The first list as the file on disk holds it.
    static Strings materialsOnDisk(const fs::path& file) {
        const workbook::WorkbookData data = workbook::readXls(file);
        Strings cells;
        data.findSheet("list1")->forEachCell([&](int, int column, const workbook::CellValue& v) {
            if (column == 1) {
                cells.push_back(*workbook::textOf(v));
            }
        });
        return cells;
    }

    void useTeamFolder() {
        host_->model().setStringPreference(host::PreferenceTeamFolder, team_.string());
    }
    // Whether this user is kept out of `folder` by its permissions: root is not.
    static bool cannotWrite(const fs::path& folder) { return ::access(folder.c_str(), W_OK) != 0; }

    // The materials the Custom Properties page offers, read as a new page shows them.
    Strings materialsOnPage() {
        call("tebrincallback");
        const auto& combo = dynamic_cast<const cadhost::ComboControl&>(
            *openPage().findControl(0, {host::ControlCombobox}));
        Strings items = combo.items();
        openPage().close(host::CloseCancel);
        return items;
    }

    // The editor as the page's Options button opens it, with the materials list chosen.
    SetOptions& openEditor() {
        call("tebrincallback");
        openPage().pressButton(OptionsButtonId);
        const auto windows = quenmoor::testsupport::topLevelWindows("SetOptions");
        EXPECT_EQ(windows.size(), 1);
        auto& editor = *static_cast<SetOptions*>(windows.front());
        QTest::mouseClick(editor.List1->viewport(), Qt::LeftButton, {},
                          editor.List1->visualItemRect(editor.List1->item(0)).center());
        return editor;
    }
    static void add(SetOptions& editor, const char* entry) {
        editor.AddText->setText(entry);
        editor.AddItem->click();
    }
    static Strings entries(const QListWidget* list) {
        Strings texts;
        for (int i = 0; i < list->count(); ++i) {
            texts.push_back(list->item(i)->text().toStdString());
        }
        return texts;
    }
    static std::string savedNotice() {
        const auto notices = quenmoor::testsupport::topLevelWindows("SavedNotice");
        return notices.size() == 1
                   ? static_cast<QMessageBox*>(notices.front())->text().toStdString()
                   : std::string("(no notice)");
    }

    quenmoor::testsupport::ScratchFolder scratch_;
    fs::path team_ = scratch_ / "team";
};

TEST_F(SharedListsTest, AWritableTeamFolderIsReadAndSavedBackAndTheUsersOwnCopyWinsOverIt) {
    writeOptions(teamFile(), {"Steel S235", "Aluminium 6082"});
    useTeamFolder();
    EXPECT_EQ(materialsOnPage(), (Strings{"Steel S235", "Aluminium 6082"}));

    SetOptions& editor = openEditor();
    EXPECT_EQ(editor.windowTitle().toStdString(), "Set Options - " + teamFile().string());
    add(editor, "Brass CW614N");
    editor.Save->click();
    EXPECT_FALSE(editor.isVisible()) << editor.StatusLine->text().toStdString();
    EXPECT_EQ(savedNotice(), "Saved to " + teamFile().string());
    EXPECT_EQ(materialsOnDisk(teamFile()),
              (Strings{"Steel S235", "Aluminium 6082", "Brass CW614N"}));
    EXPECT_FALSE(fs::exists(userFile()));
    EXPECT_EQ(materialsOnPage(), (Strings{"Steel S235", "Aluminium 6082", "Brass CW614N"}));

    // A copy of the user's own comes first, looked up without regard to case.
    fs::create_directories(userFile().parent_path());
    writeOptions(userFile().parent_path() / "options.XLS", {"Own list"});
    EXPECT_EQ(materialsOnPage(), (Strings{"Own list"}));
}

TEST_F(SharedListsTest, ATeamFolderTheUserCannotWriteLeadsToAWholeCopyInTheirOwnFolder) {
    writeOptions(teamFile(), {"Steel S235"});
    useTeamFolder();
    fs::permissions(team_, fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
    if (!cannotWrite(team_)) {
        GTEST_SKIP() << "this user may write every folder; SharedListsAsUser runs it";
    }
    const std::string teamBefore = fileBytes(teamFile());

    SetOptions& editor = openEditor();
    add(editor, "Titanium Gr5");
    editor.Save->click();
    EXPECT_EQ(savedNotice(), "Saved to " + userFile().string());
    EXPECT_EQ(fileBytes(teamFile()), teamBefore);
    EXPECT_EQ(materialsOnDisk(userFile()), (Strings{"Steel S235", "Titanium Gr5"}));
    const workbook::WorkbookData copy = workbook::readXls(userFile());
    EXPECT_NE(copy.findSheet(listSheetName(ChoiceListCount)), nullptr) << "the copy is whole";
    EXPECT_EQ(materialsOnPage(), (Strings{"Steel S235", "Titanium Gr5"}));

    // The next Save goes to the user's copy, which is theirs to write.
    SetOptions& again = openEditor();
    EXPECT_EQ(again.windowTitle().toStdString(), "Set Options - " + userFile().string());
}

TEST_F(SharedListsTest, TheShippedListsAreCopiedIntoTheUsersFolderAndNeverTouched) {
    if (!cannotWrite(shippedFile().parent_path())) {
        GTEST_SKIP() << "this user may write the library's folder; SharedListsAsUser runs it";
    }
    const std::string shippedBefore = fileBytes(shippedFile());
    SetOptions& editor = openEditor();
    EXPECT_EQ(editor.windowTitle().toStdString(), "Set Options - " + shippedFile().string());
    add(editor, "Added by a user");
    editor.Save->click();
    EXPECT_EQ(savedNotice(), "Saved to " + userFile().string());
    EXPECT_EQ(fileBytes(shippedFile()), shippedBefore);
    const Strings offered = materialsOnPage();
    EXPECT_EQ(offered.back(), "Added by a user");
}

TEST_F(SharedListsTest, ASaveOverAFileSomeoneElseChangedIsRefusedAndNothingIsLost) {
    writeOptions(teamFile(), {"Steel S235"});
    writeOptions(scratch_ / "theirs.xls", {"Steel S235", "Their entry"});
    useTeamFolder();
    SetOptions& editor = openEditor();
    add(editor, "My entry");

    // Another user saves meanwhile, as the engine saves: a new file renamed over the old.
    fs::copy_file(scratch_ / "theirs.xls", team_ / "incoming.xls");
    fs::rename(team_ / "incoming.xls", teamFile());
    const std::string theirs = fileBytes(teamFile());
    editor.Save->click();
    const std::string status = editor.StatusLine->text().toStdString();
    EXPECT_NE(status.find(teamFile().string() + " was changed by someone else"), std::string::npos)
        << status;
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(entries(editor.List2), (Strings{"Steel S235", "My entry"}));
    EXPECT_EQ(fileBytes(teamFile()), theirs);
    EXPECT_FALSE(fs::exists(userFile()));

    // Reopened, the editor shows their list.
    editor.Cancel->click();
    EXPECT_EQ(entries(openEditor().List2), (Strings{"Steel S235", "Their entry"}));

    // A workbook removed under the editor is not written back either.
    SetOptions& open =
        *static_cast<SetOptions*>(quenmoor::testsupport::topLevelWindows("SetOptions").front());
    fs::remove(teamFile());
    open.Save->click();
    EXPECT_NE(open.StatusLine->text().toStdString().find(teamFile().string() + " was removed"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(teamFile()));
}

TEST_F(SharedListsTest, ATeamFolderThatCannotBeUsedIsNamedAndNeverPassedOverSilently) {
    // Set but missing: the page says so instead of showing the shipped lists.
    host_->model().setStringPreference(host::PreferenceTeamFolder, (scratch_ / "gone").string());
    com::ComError missing = quenmoor::testsupport::comErrorOf([&] { call("tebrincallback"); });
    EXPECT_NE(missing.description().find((scratch_ / "gone").string()), std::string::npos)
        << missing.description();
    EXPECT_NE(missing.description().find("does not exist"), std::string::npos);

    // A damaged workbook there fails naming it; only a missing file falls back.
    useTeamFolder();
    {
        std::ofstream damaged(teamFile(), std::ios::binary);
        damaged << "not a workbook";
    }
    com::ComError damaged = quenmoor::testsupport::comErrorOf([&] { call("tebrincallback"); });
    EXPECT_NE(damaged.description().find(teamFile().string()), std::string::npos)
        << damaged.description();
    fs::remove(teamFile());
    EXPECT_NO_THROW(materialsOnPage());

    // The script's variable comes before the host's preference.
    ::setenv("QUENMOOR_TEAM_FOLDER", (scratch_ / "elsewhere").c_str(), 1);
    com::ComError variable = quenmoor::testsupport::comErrorOf([&] { call("tebrincallback"); });
    ::unsetenv("QUENMOOR_TEAM_FOLDER");
    EXPECT_NE(variable.description().find("QUENMOOR_TEAM_FOLDER"), std::string::npos)
        << variable.description();
}

TEST_F(SharedListsTest, AUserFolderThatCannotBeMadeStopsTheSaveAndKeepsTheEdits) {
    writeOptions(teamFile(), {"Steel S235"});
    useTeamFolder();
    fs::permissions(team_, fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
    if (!cannotWrite(team_)) {
        GTEST_SKIP() << "this user may write every folder; SharedListsAsUser runs it";
    }
    {
        std::ofstream inTheWay(scratch_ / "config");
        inTheWay << "a file where the folder should be";
    }
    SetOptions& editor = openEditor();
    add(editor, "Kept");
    editor.Save->click();
    const std::string status = editor.StatusLine->text().toStdString();
    EXPECT_NE(status.find("Not saved."), std::string::npos) << status;
    EXPECT_NE(status.find((scratch_ / "config" / "quenmoor").string()), std::string::npos)
        << status;
    EXPECT_EQ(entries(editor.List2), (Strings{"Steel S235", "Kept"}));
}

}  // namespace
}  // namespace quenmoor::properties
