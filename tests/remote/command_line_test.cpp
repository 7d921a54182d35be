#include "remote/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/row_name.h"

namespace {

// "set_freq[VFOA](9580000)": long name, VFO token, arguments; "?" for an unknown command.
std::string Describe(const ParsedCommand& command) {
    if (command.entry == nullptr) return "?";
    std::string text = command.entry->longName;
    if (!command.vfo.empty()) text += "[" + command.vfo + "]";
    text += "(";
    for (std::size_t i = 0; i < command.arguments.size(); ++i) {
        text += (i > 0 ? "," : "") + command.arguments[i];
    }
    return text + ")";
}

struct LineRow {
    std::string name;
    std::string line;
    char separator;
    std::vector<std::string> commands;
};

class CommandLineTest : public testing::TestWithParam<LineRow> {};

TEST_P(CommandLineTest, SplitsIntoCommands) {
    const ParsedLine parsed = ParseCommandLine(GetParam().line);
    std::vector<std::string> described;
    for (const ParsedCommand& command : parsed.commands) described.push_back(Describe(command));
    EXPECT_EQ(parsed.separator, GetParam().separator);
    EXPECT_EQ(described, GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLineTest,
    testing::Values(
        LineRow{"ShortGet", "f", '\0', {"get_freq()"}},
        LineRow{"LongGet", "\\get_freq", '\0', {"get_freq()"}},
        LineRow{"VfoTokenBeforeTheArgument", "F VFOA 9580000", '\0', {"set_freq[VFOA](9580000)"}},
        LineRow{"SeveralShortCommandsInOneWord",
                "fmv",
                '\0',
                {"get_freq()", "get_mode()", "get_vfo()"}},
        LineRow{"ArgumentsEndAtTheNextCommand",
                "F 7100000 f",
                '\0',
                {"set_freq(7100000)", "get_freq()"}},
        LineRow{"TwoArguments", "M USB 2400", '\0', {"set_mode(USB,2400)"}},
        LineRow{"BlanksAndTabsAnywhere", " \t l \t STRENGTH ", '\0', {"get_level(STRENGTH)"}},
        LineRow{"PlusGivesLineFeeds", "+f", '\n', {"get_freq()"}},
        LineRow{"SemicolonBeforeLongName", ";\\get_freq", ';', {"get_freq()"}},
        LineRow{"PipeBeforeShortName", "|m", '|', {"get_mode()"}},
        LineRow{"CommaAsSeparator", ",\\set_level AF 0.5", ',', {"set_level(AF,0.5)"}},
        LineRow{
            "LongNameWithVfoAsItsArgument", "\\get_vfo_info VFOA", '\0', {"get_vfo_info[VFOA]()"}},
        LineRow{"MissingArgumentLeftToTheCommand", "F", '\0', {"set_freq()"}},
        LineRow{"UnknownCommandEndsTheLine", "fXf", '\0', {"get_freq()", "?"}},
        LineRow{"UnknownLongName", "\\get_everything", '\0', {"?"}},
        LineRow{"HelpIsNoCommand", "?", '\0', {"?"}},
        LineRow{"CommentHoldsNothing", "# f", '\0', {}}, LineRow{"EmptyLine", "", '\0', {}}),
    RowName());

}  // namespace
