#include <gtest/gtest.h>

#include "tools/dialoghost/dialog_host.h"

namespace pd {
namespace {

TEST(DialogHostArguments, TakesEveryOptionAndTheActionsInOrder) {
    const auto parsed = parseDialogHostArguments(
        {"restore", "--ppd", "p.ppd", "--printer", "queue", "--bundle", "/b", "--options",
         "a=1 b=2", "--paper", "My:Paper:612x792.5:custom", "--orientation", "reverse-landscape",
         "save", "panel-info", "summary", "save"});
    ASSERT_TRUE(std::holds_alternative<DialogHostArguments>(parsed));
    const auto& arguments = std::get<DialogHostArguments>(parsed);
    EXPECT_EQ("p.ppd", arguments.ppdPath);
    EXPECT_EQ("queue", arguments.printer);
    EXPECT_EQ("/b", arguments.bundlePath);
    EXPECT_EQ("a=1 b=2", arguments.options);
    ASSERT_TRUE(arguments.paper.has_value());
    EXPECT_EQ("My:Paper", arguments.paper->name);
    EXPECT_EQ(612, arguments.paper->widthPoints);
    EXPECT_EQ(792.5, arguments.paper->heightPoints);
    EXPECT_TRUE(arguments.customPaper);
    EXPECT_EQ(PageOrientation::reverseLandscape, arguments.orientation);
    EXPECT_EQ((std::vector<DialogAction>{DialogAction::restore, DialogAction::save,
                                         DialogAction::panelInfo, DialogAction::summary,
                                         DialogAction::save}),
              arguments.actions);

    const auto minimal = parseDialogHostArguments({"--ppd", "p.ppd", "save"});
    ASSERT_TRUE(std::holds_alternative<DialogHostArguments>(minimal));
    const auto& defaults = std::get<DialogHostArguments>(minimal);
    EXPECT_FALSE(defaults.printer || defaults.bundlePath || defaults.paper);
    EXPECT_EQ(PageOrientation::portrait, defaults.orientation);
}

TEST(DialogHostArguments, RefusesWhatItCannotRun) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"save"},
        {"--ppd", "p.ppd"},
        {"--ppd", "p.ppd", "print"},
        {"--ppd", "p.ppd", "Summary"},
        {"--ppd", "p.ppd", "save", "--bundle"},
        {"--ppd", "p.ppd", "--colour", "red", "save"},
        {"--ppd", "p.ppd", "--orientation", "upside-down", "save"},
        {"--ppd", "p.ppd", "--paper", "A4", "save"},
    };
    for (const auto& arguments : cases)
        EXPECT_TRUE(std::holds_alternative<std::string>(parseDialogHostArguments(arguments)));
}

TEST(PaperArgument, IsANameAndAPositiveSizeInPoints) {
    const struct {
        const char* text;
        std::optional<Paper> paper;
        bool custom;
    } cases[] = {
        {"A4:595x842", Paper{"A4", 595, 842}, false},
        {"Poster:612x792:custom", Paper{"Poster", 612, 792}, true},
        {":1x1", Paper{"", 1, 1}, false},
        {"custom:1.5x2", Paper{"custom", 1.5, 2}, false},
        {"A4", std::nullopt, false},
        {"A4:595", std::nullopt, false},
        {"A4:0x842", std::nullopt, false},
        {"A4:-1x842", std::nullopt, false},
        {"A4:595x842pt", std::nullopt, false},
        {"A4:nanx842", std::nullopt, false},
        {"A4:infx842", std::nullopt, false},
        {"A4:595x842:Custom", std::nullopt, false},
    };
    for (const auto& c : cases) {
        const auto parsed = parsePaperArgument(c.text);
        ASSERT_EQ(c.paper.has_value(), parsed.has_value()) << c.text;
        if (!parsed) continue;
        EXPECT_EQ(c.paper->name, parsed->first.name) << c.text;
        EXPECT_EQ(c.paper->widthPoints, parsed->first.widthPoints) << c.text;
        EXPECT_EQ(c.paper->heightPoints, parsed->first.heightPoints) << c.text;
        EXPECT_EQ(c.custom, parsed->second) << c.text;
    }
}

}  // namespace
}  // namespace pd
