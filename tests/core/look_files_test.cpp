// What each edition writes of a label's look, kept as files beside this
// test: the INI keys an exit writes after a start with every look key set
// (out-of-range values among them), a body and a template holding every
// look field, and the look after Reset To Defaults, Duplicate Format,
// applying the template and reading each old body version. Any change to
// how look fields are read, written or carried shows as a byte difference.
// LOOK_FILES_RECORD=1 writes the files instead (native build only), for a
// change that means to alter them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "base/text_field.h"
#include "catalog/dates.h"
#include "catalog/labels.h"
#include "document/body_file.h"
#include "document/label_copy.h"
#include "document/look.h"
#include "document/look_section.h"
#include "document/settings.h"
#include "document/template_file.h"
#include "shell/program_records.h"
#include "tests/core/memory_profile.h"
#include "tests/core/program_state.h"
#include "tests/samples/sample_labels.h"

namespace {

std::string TestsFile(const std::string& path) {
    std::string source = __FILE__;
    std::string root = source.substr(0, source.rfind("tests"));
#ifdef _WIN32
    if (!root.empty() && root[0] == '/') root = "Z:" + root;
#endif
    return root + "tests/" + path;
}
std::string LookFile(const std::string& name) { return TestsFile("core/look_files/" + name); }

// Compares the bytes with the kept file, or records them.
void ExpectKept(const std::string& name, const std::string& bytes) {
    if (std::getenv("LOOK_FILES_RECORD")) {
        std::ofstream(LookFile(name), std::ios::binary) << bytes;
        return;
    }
    std::ifstream in(LookFile(name), std::ios::binary);
    ASSERT_TRUE(in) << "missing " << LookFile(name);
    std::ostringstream kept;
    kept << in.rdbuf();
    EXPECT_EQ(bytes, kept.str()) << name;
}

void FixedDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    CopyText(shortDate, static_cast<size_t>(shortSize), "1/2/2003");
    CopyText(longDate, static_cast<size_t>(longSize), "Thursday, January 02, 2003");
}

// Every look key of label i, each value different, many out of range.
void PutEveryLookKey(MemoryStore* store, int i) {
    int k = i + 1;
    auto put = [&](const char* key, long long value) {
        store->Put(key + std::to_string(i), std::to_string(value));
    };
    put("Columns", k % 2 ? -(k + 2) : k + 6);
    put("Lined", k % 3);
    put("SortMode", k % 2 ? 5 : k % 3 + 1);
    put("Direction", k % 2 ? -5 : 3);
    put("ShowSize", k % 2 ? 0 : 7);
    put("ShowExt", (k + 1) % 2);
    put("ShowComm", k % 3 ? 2 : 0);
    put("ShowZip", k % 2);
    put("LblFmt", k % 2 ? 9 : k);
    put("Opposing", (k + 1) % 2);
    put("BkgndColor", 0x7F123456 + k);
    put("FontColor", 0x10 + k);
    put("DirFontColor", 0x2000 + k);
    put("CommFontColor", 0x300000 + k);
    put("SpineFontColor", 0x40 + k);
    put("SpineBkgndColor", 0xFF000000LL + 0x50 + k);
    put("SpineAlign", k % 2 ? 7 : k % 3);
    put("ZipColor", k % 2 ? 9 : 0);
    store->Put("Comment" + std::to_string(i), "Disk %volume% no. " + std::to_string(k));
    const char* fonts[] = {"Font", "DirFont", "CommFont", "SpineFont"};
    for (int f = 0; f < 4; ++f) {
        std::string key = fonts[f] + std::to_string(i);
        store->Put(key + "_lfHeight", std::to_string(-10 - f - k));
        store->Put(key + "_lfWeight", f % 2 ? "700" : "400");
        store->Put(key + "_lfItalic", std::to_string((f + k) % 2));
        store->Put(key + "_lfFaceName", f == 3 ? "Impact" : "Times New Roman");
    }
    put("Exts", k % 3);
    for (int s = 0; s < k % 3; ++s) {
        std::string suffix = std::to_string(i) + "_" + std::to_string(s);
        store->Put("ExtName" + suffix, s ? "txt" : "jpg");
        store->Put("ExtColor" + suffix, std::to_string(0x010203 * (s + 1) + k));
        store->Put("ExtFont" + suffix + "_lfHeight", std::to_string(-12 - s));
        store->Put("ExtFont" + suffix + "_lfFaceName", "Arial");
    }
}

class LookFilesTest : public testing::TestWithParam<const EditionProfile*> {
protected:
    void SetUp() override { SetTodayDatesHook(FixedDates); }
    void TearDown() override {
        SetTodayDatesHook(nullptr);
        ResetProgramState(kKestrinProfile);
    }
    const EditionProfile& edition() const { return *GetParam(); }
    std::string name(const char* what) const { return std::string(edition().name) + what; }
};

TEST_P(LookFilesTest, IniBodyTemplateAndTheWalksComeOutAsKept) {
    ResetProgramState(edition());
    std::string ini;
    {
        MemoryStore store;
        for (int i = 0; i < g_labelCount; ++i) PutEveryLookKey(&store, i);
        store.Put("Drive", "68");
        ViewSettings view = {};
        LoadSettings(edition(), &view, ProgramStoredSettings());
        store.profile().writes.clear();
        SaveSettings(edition(), view, ProgramStoredSettings());
        for (const std::string& key : store.profile().writes) ini += key + "=" + store.Get(key) + "\n";
    }
    ExpectKept(name(".ini"), ini);

    // The first label's loaded look on the sample's catalog and disk
    // facts, with cached heights of its own.
    ZIPINFO sample = {};
    BuildSampleLabel(&sample, edition());
    ZIPINFO& dressed = g_labelRecords[0];
    std::swap(dressed.Entries, sample.Entries);
    std::swap(dressed.NumEntries, sample.NumEntries);
    CopyField(dressed.VolumeName, sample.VolumeName);
    CopyField(dressed.ShortDate, sample.ShortDate);
    CopyField(dressed.LongDate, sample.LongDate);
    dressed.SpaceUsed = sample.SpaceUsed;
    dressed.SpaceFree = sample.SpaceFree;
    dressed.SpaceTotal = sample.SpaceTotal;
    dressed.NumFiles = 12;
    dressed.NumFolders = 3;
    dressed.FontHeight = 17;
    dressed.DirFontHeight = 19;
    dressed.CommFontHeight = 23;
    ClearLabel(&sample);

    std::string body, templ;
    ASSERT_TRUE(WriteBody(dressed, &body));
    ASSERT_TRUE(WriteTemplate(dressed, edition(), &templ));
    ExpectKept(name(edition().bodyExt), body);
    ExpectKept(name(edition().templateExt), templ);

    std::string walks;
    auto section = [&](const char* title, const ZIPINFO& label) {
        walks += std::string("[") + title + "]\n";
        PutLookSection(&walks, label, kBodyVersion);
    };
    ZIPINFO read = {};
    ASSERT_EQ(ReadBody(body.data(), body.size(), &read), FILE_OK);
    section("body read back", read);

    LabelTemplate parsed;
    ASSERT_EQ(ParseTemplate(templ.data(), templ.size(), edition(), &parsed), FILE_OK);
    ZIPINFO& target = g_labelRecords[g_labelCount - 1];
    ResetLook(&target, edition());
    section("reset", target);
    ASSERT_TRUE(ApplyTemplate(&parsed, &target, [](const char*, PlacedObject*) { return false; }));
    FreeTemplate(&parsed);
    section("template applied to a reset label", target);
    ResetLook(&target, edition());
    ASSERT_TRUE(CopyLook(dressed, &target));
    section("duplicate format onto a reset label", target);
    ClearLabel(&read);

    // Each older version, as the fuzzers' seed bodies hold it.
    for (const char* version : {"v16", "v17", "v18", "v20", "v25", "v30", "v40"}) {
        std::ifstream in(TestsFile(std::string("fuzz/corpus/body/") + version), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        std::string old = bytes.str();
        ZIPINFO label = {};
        ASSERT_EQ(ReadBody(old.data(), old.size(), &label), FILE_OK) << version;
        section(version, label);
        ClearLabel(&label);
    }
    ExpectKept(name("-walks.txt"), walks);
}

INSTANTIATE_TEST_SUITE_P(Editions, LookFilesTest,
                         testing::Values(&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile),
                         [](const testing::TestParamInfo<const EditionProfile*>& info) {
                             return std::string(info.param->name);
                         });

}  // namespace
