#include <gtest/gtest.h>

#include "editions/command_ids.h"
#include "shell/command_line.h"

namespace {

TEST(CommandLine, EachKeywordPostsItsCommandWithTheNameAfterOneSeparator) {
    CommandLineRequest r = ParseCommandLine("-label C:\\labels\\disk1.KSB");
    EXPECT_EQ(r.command, CMD_CMDLINE_LABEL);
    EXPECT_EQ(r.fileName, "C:\\labels\\disk1.KSB");

    r = ParseCommandLine("-template A:\\Kestrin.KST");
    EXPECT_EQ(r.command, CMD_CMDLINE_TEMPLATE);
    EXPECT_EQ(r.fileName, "A:\\Kestrin.KST");

    r = ParseCommandLine("-printlabel C:\\x.KSB");
    EXPECT_EQ(r.command, CMD_CMDLINE_PRINT);
    EXPECT_EQ(r.fileName, "C:\\x.KSB");
}

TEST(CommandLine, FileNameWithBlanksAndQuotesIsTakenUnchanged) {
    CommandLineRequest r = ParseCommandLine("-label C:\\My Labels\\summer disk.KSB");
    EXPECT_EQ(r.command, CMD_CMDLINE_LABEL);
    EXPECT_EQ(r.fileName, "C:\\My Labels\\summer disk.KSB");

    r = ParseCommandLine("-label \"C:\\My Labels\\a.KSB\"");
    EXPECT_EQ(r.fileName, "\"C:\\My Labels\\a.KSB\"");

    // Exactly one separating character is skipped; a second blank stays.
    r = ParseCommandLine("-label  two.KSB");
    EXPECT_EQ(r.fileName, " two.KSB");
}

TEST(CommandLine, MatchIsCaseSensitiveAndAtTheStart) {
    EXPECT_EQ(ParseCommandLine("-LABEL x.KSB").command, 0);
    EXPECT_EQ(ParseCommandLine(" -label x.KSB").command, 0);
    EXPECT_EQ(ParseCommandLine("x.KSB -label y").command, 0);
    EXPECT_EQ(ParseCommandLine("").command, 0);
    EXPECT_EQ(ParseCommandLine(nullptr).command, 0);
}

TEST(CommandLine, KeywordWithoutAFileNameStartsNormally) {
    for (const char* text : {"-label", "-template", "-printlabel", "-label ", "-printlabel "}) {
        SCOPED_TRACE(text);
        CommandLineRequest r = ParseCommandLine(text);
        EXPECT_EQ(r.command, 0);
        EXPECT_TRUE(r.fileName.empty());
    }
}

TEST(CommandLine, FirstMatchingKeywordDecidesEvenWithoutABlank) {
    // "-labelx" matches "-label"; the separating character is 'x'.
    CommandLineRequest r = ParseCommandLine("-labelxname.KSB");
    EXPECT_EQ(r.command, CMD_CMDLINE_LABEL);
    EXPECT_EQ(r.fileName, "name.KSB");
}

}  // namespace
