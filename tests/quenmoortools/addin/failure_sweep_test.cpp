// Every call a tool's completion makes on the host and on the spreadsheet engine, failed in
// turn, through the real host program with the real add-in and engine. A run that would
// pass unnoticed is the fault looked for: a crash, a failure the user is not told of by
// the call's name, a value that is neither as before nor as the tool meant it, a workbook
// changed by a save that did not complete, a temporary file left behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <set>

#include "tests/support/named_rows.h"
#include "tests/support/run_process.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor {
namespace {

namespace fs = std::filesystem;
using testsupport::lines;
using testsupport::runProcess;

const std::string Bin = QUENMOOR_BIN;
const std::string Examples = QUENMOOR_EXAMPLES;

struct Tool {
    const char* name;
    std::string setup;       // up to the completion; FOLDER stands for the scratch folder
    std::string completion;  // the step that writes
    std::string state;       // prints what the completion may change
    std::string shown;       // prints where the tool tells the user of a failure
    bool transaction;        // the state is wholly as before or wholly as after
};

struct Outcome {
    std::string told;  // what the completion printed, and where the tool tells of a failure
    std::vector<std::string> state;
    std::map<std::string, std::string> files;  // the folder's files and their bytes
};

class FailureSweepTest : public ::testing::TestWithParam<Tool> {
protected:
    void SetUp() override {
        for (const char* file : {"quenmoortools.so", "Options.xls", "material.xls"}) {
            fs::copy_file(Bin + "/" + file, folder_ / file);
        }
        for (const char* file : {"bracket.json", "frame.json"}) {
            fs::copy_file(Examples + "/" + file, folder_ / file);
        }
        fs::create_directories(folder_ / "out");
        std::ofstream(folder_ / "out" / "bracket.stl") << "an older export";
        ASSERT_EQ(runProcess({Bin + "/regsvr", Bin + "/workbook.so"}).exitCode, 0);
        ASSERT_EQ(runProcess({Bin + "/regsvr", (folder_ / "quenmoortools.so").string()}).exitCode,
                  0);
        before_ = files();
    }

    std::string withFolder(std::string text) const {
        for (auto at = text.find("FOLDER"); at != std::string::npos; at = text.find("FOLDER")) {
            text.replace(at, 6, folder_.path().string());
        }
        return text;
    }

    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(folder_.path())) {
            if (entry.is_regular_file()) {
                found[fs::relative(entry.path(), folder_.path()).string()] =
                    testsupport::fileBytes(entry.path());
            }
        }
        return found;
    }

    // Runs a script in the host, whose files may grow to `fileSizeLimit` bytes (0: no
    // limit), and gives what it printed between "===" lines; the folder is then put back
    // as it was found, so that the next run starts from the same files.
    std::vector<std::vector<std::string>> sections(const std::string& script,
                                                   int fileSizeLimit = 0) {
        std::vector<std::string> command = {Bin + "/cadhost", "--addin",
                                            "Quenmoor_Systems.Application", "--script", "-"};
        if (fileSizeLimit != 0) {
            command.insert(command.begin(),
                           {"prlimit", "--fsize=" + std::to_string(fileSizeLimit)});
        }
        const auto result = runProcess(command, withFolder(script));
        EXPECT_EQ(result.exitCode, 0) << script << result.out << result.err;
        std::vector<std::vector<std::string>> found(1);
        for (const auto& line : lines(result.out)) {
            if (line == "===") {
                found.emplace_back();
            } else {
                found.back().push_back(line);
            }
        }
        for (const auto& [name, bytes] : files()) {
            if (!before_.contains(name)) {
                fs::remove(folder_ / name);
            }
        }
        lastFiles_ = files();
        for (const auto& [name, bytes] : before_) {
            std::ofstream(folder_ / name, std::ios::binary) << bytes;
        }
        found.resize(std::max<std::size_t>(found.size(), 5));
        return found;
    }

    // The tool's run with `inject` before the completion.
    Outcome run(const std::string& inject, bool complete = true, int fileSizeLimit = 0) {
        const Tool& tool = GetParam();
        const auto parts =
            sections(tool.setup + inject + "echo ===\n" + (complete ? tool.completion : "") +
                         "echo ===\n" + tool.state + "echo ===\n" + tool.shown,
                     fileSizeLimit);
        Outcome found{{}, {}, lastFiles_};
        for (const auto& line : parts[1]) {
            found.told += line + "\n";
        }
        for (const auto& line : parts[2]) {
            if (!line.starts_with("redraws ")) {  // how often the host drew is no value
                found.state.push_back(line);
            }
        }
        for (const auto& line : parts[3]) {
            found.told += line + "\n";
        }
        return found;
    }

    // The calls the completion makes, as "fail METHOD" or "spreadsheet fail OPERATION",
    // with how many times it makes each: the host's journal and the engine's counts, taken
    // before and after it.
    std::map<std::string, int> completionCalls() {
        const std::string census = "echo ===\njournal\nspreadsheet calls\necho ===\n";
        const auto parts = sections(GetParam().setup + census + GetParam().completion + census);
        std::map<std::string, int> calls;
        std::map<std::string, int> counts;  // the engine's, before
        for (std::size_t part : {1u, 3u}) {
            for (std::size_t i = 0; i < parts[part].size(); ++i) {
                const std::string& line = parts[part][i];
                if (line.starts_with("call ")) {
                    if (part == 3 && (i >= parts[1].size() || parts[1][i] != line)) {
                        ++calls["fail " + line.substr(5, line.find(' ', 5) - 5)];
                    }
                    continue;
                }
                const auto blank = line.rfind(' ');
                const std::string name = "spreadsheet fail " + line.substr(0, blank);
                const int count = std::stoi(line.substr(blank + 1));
                if (part == 1) {
                    counts[name] = count;
                } else if (count > counts[name]) {
                    calls[name] = count - counts[name];
                }
            }
        }
        return calls;
    }

    testsupport::ScratchFolder folder_;
    std::map<std::string, std::string> before_;
    std::map<std::string, std::string> lastFiles_;  // as the last script left them
};

void PrintTo(const Tool& tool, std::ostream* out) {
    *out << tool.name;
}

// Each call up to the twelfth; of more, the first three, the middle and the last two.
// Under the sanitizers a run of the host takes seconds, so there only the first and the
// last call of each kind are failed: where a tool has done least and most.
std::vector<int> callsToFail(int count) {
#if defined(__SANITIZE_ADDRESS__)
    return count == 1 ? std::vector<int>{1} : std::vector<int>{1, count};
#endif
    if (count <= 12) {
        std::vector<int> all(static_cast<std::size_t>(count));
        std::iota(all.begin(), all.end(), 1);
        return all;
    }
    return {1, 2, 3, count / 2, count - 1, count};
}

TEST_P(FailureSweepTest, EveryFailedCallIsNamedAndLosesNothing) {
    const Outcome unchanged = run("", false);
    const Outcome done = run("");
    ASSERT_TRUE(unchanged.state != done.state || unchanged.files != done.files);
    const auto calls = completionCalls();
    ASSERT_FALSE(calls.empty());
    for (const auto& [call, count] : calls) {
        const std::string operation = call.substr(call.rfind(' ') + 1);
        for (int nth : callsToFail(count)) {
            SCOPED_TRACE(call + " " + std::to_string(nth));
            const Outcome failed = run(call + " " + std::to_string(nth) + "\n");
            EXPECT_NE(failed.told.find(operation + ": "), std::string::npos)
                << "not named:\n" + failed.told;
            if (GetParam().transaction) {
                EXPECT_TRUE(failed.state == unchanged.state || failed.state == done.state);
            } else {
                ASSERT_EQ(failed.state.size(), unchanged.state.size());
                for (std::size_t i = 0; i < failed.state.size(); ++i) {
                    EXPECT_TRUE(failed.state[i] == unchanged.state[i] ||
                                failed.state[i] == done.state[i])
                        << failed.state[i];
                }
            }
            for (const auto& [name, bytes] : failed.files) {
                EXPECT_TRUE(before_.contains(name) || done.files.contains(name)) << "left " << name;
            }
            for (const auto& [name, bytes] : before_) {
                ASSERT_TRUE(failed.files.contains(name)) << "lost " << name;
                EXPECT_TRUE(failed.files.at(name) == bytes ||
                            failed.files.at(name) == done.files.at(name))
                    << name << " changed by a write that did not complete";
            }
        }
    }
}

// A disk that fills while the tool writes: a file size limit of 4 KiB, below what each
// tool writes, makes every write of a file fail half way.
class FullDiskTest : public FailureSweepTest {};

TEST_P(FullDiskTest, IsNamedAndKeepsTheOlderFile) {
    const Outcome done = run("");
    std::vector<std::string> written;
    for (const auto& [name, bytes] : done.files) {
        if (!before_.contains(name) || before_.at(name) != bytes) {
            written.push_back(name);
        }
    }
    ASSERT_FALSE(written.empty());
    const Outcome full = run("", true, 4096);
    EXPECT_EQ(full.files, before_);
    for (const auto& name : written) {
        EXPECT_TRUE(full.told.find(name) != std::string::npos || !before_.contains(name))
            << name << " not named:\n"
            << full.told;
    }
    EXPECT_NE(full.told.find("File too large"), std::string::npos) << full.told;
}

const Tool ListEditorSave{"ListEditorSave",
                          "open FOLDER/bracket.json\nmenu \"Custom Properties\"\npress 2\n"
                          "choose SetOptions.List1 1\ntype SetOptions.AddText \"Powder coated\"\n"
                          "click SetOptions.AddItem\n",
                          "click SetOptions.Save\n",
                          "",
                          "window SetOptions\n",
                          true};
// The host tells why a save failed in its status bar, since the package hears only a number.
const Tool ExportPackage{"ExportPackage",
                         "open FOLDER/bracket.json\nmenu \"Export Package\"\nset 16 on\nset 17 on\n"
                         "press 0\ntype packagepath.Text1 FOLDER/out\nclick packagepath.Command2\n",
                         "ok\n",
                         "doc\n",
                         "window CadHostWindow\n",
                         false};

INSTANTIATE_TEST_SUITE_P(
    Tools, FailureSweepTest,
    ::testing::Values(
        Tool{"CustomProperties",
             "open FOLDER/bracket.json\nmenu \"Custom Properties\"\nset 0 1\nset 3 2\n"
             "set 7 \"Welded\"\n",
             "ok\n", "doc\n", "", true},
        ListEditorSave,
        Tool{"Density",
             "open FOLDER/bracket.json\nmenu \"Assign Material\"\nset 223 \"Aluminium 6061\"\n",
             "ok\n", "doc\n", "", true},
        Tool{"Numbering", "open FOLDER/bracket.json\nmenu \"Numerate Dimension Names\"\n", "ok\n",
             "doc\n", "", false},
        ExportPackage,
        Tool{"Appearance", "open FOLDER/frame.json\nselect bracket-2\nmenu \"Appearance Panel\"\n",
             "slide Attributes.transparent 40\n", "doc\n", "window Attributes\n", false}),
    testsupport::RowName());

INSTANTIATE_TEST_SUITE_P(Writers, FullDiskTest, ::testing::Values(ListEditorSave, ExportPackage),
                         testsupport::RowName());

}  // namespace
}  // namespace quenmoor
