// The add-in's windows as a user sees them in the real host program: the option list
// editor as it first opens, the appearance panel's scroll bars, and the windows that stay
// open after the add-in is disconnected.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/run_process.h"

namespace quenmoor {
namespace {

using testsupport::lines;
using testsupport::runProcess;

const std::string Bin = QUENMOOR_BIN;

// The line of `out` that starts with `prefix`, or "" when there is none.
std::string fact(const std::string& out, const std::string& prefix) {
    for (const auto& line : lines(out)) {
        if (line.starts_with(prefix)) {
            return line;
        }
    }
    return {};
}

TEST(WindowScriptTest, WhatTheUserSeesOfTheAddinsWindows) {
    ASSERT_EQ(runProcess({Bin + "/regsvr", Bin + "/workbook.so"}).exitCode, 0);
    ASSERT_EQ(runProcess({Bin + "/regsvr", Bin + "/quenmoortools.so"}).exitCode, 0);
    const auto result =
        runProcess({Bin + "/cadhost", "--addin", "Quenmoor_Systems.Application", "--script", "-"},
                   "new part p\n"
                   "menu \"Custom Properties\"\npress 2\nwindow SetOptions\n"
                   "menu \"Appearance Panel\"\nwindow Attributes\n"
                   "menu About\nmenu Help\n"
                   "disconnect\nwindow Form1\nwindow HelpViewer\nwindow SetOptions\n"
                   "choose SetOptions.List1 1\nwindow SetOptions\nclick SetOptions.Cancel\n");
    ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
    const std::string& out = result.out;

    // The editor opens active, with no property chosen until the user clicks one.
    EXPECT_TRUE(fact(out, "window SetOptions").ends_with(" active")) << out;
    EXPECT_TRUE(fact(out, "control List1 ").ends_with(" selection -1")) << out;
    EXPECT_EQ(fact(out, "control List2 "),
              "control List2 QListWidget 256 32 185 134 items selection -1");
    EXPECT_TRUE(fact(out, "control ModifyProperty ").ends_with(" text \"\"")) << out;

    for (const char* bar :
         {"rbar", "Gbar", "bbar", "ambient", "specular", "shine", "transparent"}) {
        EXPECT_TRUE(fact(out, std::string("control ") + bar + " ")
                        .starts_with(std::string("control ") + bar + " QScrollBar "))
            << out;
    }

    // Disconnecting leaves the windows and the help viewer open, and they still work.
    EXPECT_TRUE(
        fact(out, "window Form1 ").starts_with("window Form1 \"About Quenmoor Tools\" visible"))
        << out;
    EXPECT_TRUE(fact(out, "window HelpViewer ").find(" visible ") != std::string::npos) << out;
    EXPECT_TRUE(fact(out, "chose SetOptions.List1 1") != "") << out;
    std::vector<std::string> modify;
    for (const auto& line : lines(out)) {
        if (line.starts_with("control ModifyProperty ")) {
            modify.push_back(line.substr(line.rfind(" text ")));
        }
    }
    EXPECT_EQ(modify, (std::vector<std::string>{" text \"\"", " text \"\"", " text \"Finish\""}));
}

}  // namespace
}  // namespace quenmoor
