#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/recent_files.h"

namespace {

struct List {
    char entries[kRecentFiles][kRecentPathSize] = {};
    void Set(std::vector<std::string> values) {
        for (size_t i = 0; i < values.size(); ++i) std::strcpy(entries[i], values[i].c_str());
    }
    std::vector<std::string> Get() const {
        std::vector<std::string> out;
        for (const auto& e : entries) out.push_back(e);
        return out;
    }
};

TEST(RecentFiles, NewPathGoesOnTopAndTheFifthFallsOff) {
    List list;
    list.Set({"C:\\a.KSB", "C:\\b.KSB", "C:\\c.KSB", "C:\\d.KSB", "C:\\e.KSB"});
    PushRecentFile(list.entries, "C:\\new.KSB");
    EXPECT_EQ(list.Get(), (std::vector<std::string>{"C:\\new.KSB", "C:\\a.KSB", "C:\\b.KSB", "C:\\c.KSB",
                                                    "C:\\d.KSB"}));
}

TEST(RecentFiles, APathTheListCannotKeepWholeIsNotListed) {
    List list;
    list.Set({"C:\\a.KSB"});
    std::string longest = "C:\\" + std::string(254 - 7, 'x') + ".KSB";
    EXPECT_FALSE(PushRecentFile(list.entries, (longest + "x").c_str()));
    EXPECT_FALSE(PushRecentFile(list.entries, ""));
    EXPECT_EQ(list.Get()[0], "C:\\a.KSB");
    EXPECT_TRUE(PushRecentFile(list.entries, longest.c_str()));
    EXPECT_EQ(list.Get()[0], longest);
}

TEST(RecentFiles, OpeningTheThirdMovesItToTheTopKeepingTheOthersInOrder) {
    List list;
    list.Set({"C:\\a.KSB", "C:\\b.KSB", "C:\\c.KSB", "C:\\d.KSB", "C:\\e.KSB"});
    PushRecentFile(list.entries, "C:\\c.KSB");
    EXPECT_EQ(list.Get(), (std::vector<std::string>{"C:\\c.KSB", "C:\\a.KSB", "C:\\b.KSB", "C:\\d.KSB",
                                                    "C:\\e.KSB"}));
    PushRecentFile(list.entries, "C:\\c.KSB");  // already first: nothing moves
    EXPECT_EQ(list.Get()[0], "C:\\c.KSB");
    EXPECT_EQ(list.Get()[1], "C:\\a.KSB");
}

TEST(RecentFiles, ComparisonIsCaseSensitiveAndEmptyListsFill) {
    List list;
    PushRecentFile(list.entries, "C:\\x.KSB");
    PushRecentFile(list.entries, "C:\\X.KSB");
    EXPECT_EQ(list.Get(), (std::vector<std::string>{"C:\\X.KSB", "C:\\x.KSB", "", "", ""}));
}

TEST(RecentFiles, ItemTexts) {
    EXPECT_STREQ(RecentItemText(""), "(None)");
    EXPECT_STREQ(RecentItemText("C:\\labels\\disk1.KSB"), "disk1.KSB");
    EXPECT_STREQ(RecentItemText("disk2.KSB"), "disk2.KSB");
}

}  // namespace
