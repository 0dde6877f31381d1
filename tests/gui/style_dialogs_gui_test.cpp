// The font, colour and string dialogs on the real main window with Wine's
// own choosers: Apply shown on the label, Cancel giving everything back,
// heights in label units, the string's text rules, the spine text and the
// initials written at once.
#include <gtest/gtest.h>

#include <windows.h>
#include <colordlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/read_disk.h"
#include "catalog/scan_settings.h"
#include "document/apply_target.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "document/string_object.h"
#include "document/win32/style_dialogs_win32.h"
#include "editions/dialog_ids.h"
#include "editions/edition.h"
#include "shell/view_state.h"
#include "shell/win32/win_state.h"
#include "tools/driver/driver.h"
#include "tests/driver/host_files.h"
#include "tests/gui/dialog_script.h"
#include "tests/gui/gui_harness.h"

namespace {

std::string IniText() {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    std::ifstream in(std::string(dir) + "\\" + TheEdition().iniFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Pixels of the main window's label area that pass the test, as painted now.
template <typename Test>
int CountPixelsWhere(Test test) {
    HWND window = g_win.main;
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    GdiFlush();
    int count = 0;
    const DWORD* pixel = static_cast<const DWORD*>(bits);
    const RECT& area = g_win.drawArea;
    for (int y = std::max(0L, area.top); y < std::min(client.bottom, area.bottom); ++y) {
        for (int x = std::max(0L, area.left); x < std::min(client.right, area.right); ++x) {
            DWORD p = pixel[y * client.right + x];
            count += test(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                          static_cast<int>(p & 0xFF));
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return count;
}

int CountColour(COLORREF colour) {
    return CountPixelsWhere([colour](int r, int g, int b) { return RGB(r, g, b) == colour; });
}

// Small text is smoothed against its background: its pixels are counted by
// their hue, bluer than red and green (the label is otherwise black, white,
// grey and red).
int CountBluishText() {
    return CountPixelsWhere([](int r, int g, int b) { return b > r + 40 && b > g; });
}

// The colour chooser's red, green and blue fields, typed.
std::vector<DialogStep> TypeColour(int red, int green, int blue) {
    std::vector<DialogStep> steps;
    for (auto field : {std::make_pair(COLOR_RED, red), std::make_pair(COLOR_GREEN, green),
                       std::make_pair(COLOR_BLUE, blue)}) {
        steps.push_back(Click(field.first));
        steps.push_back(SelectAll());
        steps.push_back(Type(std::to_string(field.second)));
    }
    return steps;
}

std::vector<DialogStep> Join(std::vector<std::vector<DialogStep>> parts) {
    std::vector<DialogStep> all;
    for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A real click on a row of a chooser's list (a simple combo box).
DialogStep ClickChooserRow(int comboId, const std::string& text) {
    return [comboId, text] {
        HWND combo = GetDlgItem(Current(), comboId);
        int index = static_cast<int>(SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text.c_str())));
        EXPECT_GE(index, 0) << text;
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        if (index < 0 || !GetComboBoxInfo(combo, &info)) return true;
        SendMessageA(info.hwndList, LB_SETTOPINDEX, index, 0);
        RECT row;
        SendMessageA(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
        POINT p = {row.left + 10, (row.top + row.bottom) / 2};
        ClientToScreen(info.hwndList, &p);
        SetCursorPos(p.x, p.y);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof input[0]);
        return true;
    };
}

class StyleDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess();
        ASSERT_NE(window_, nullptr);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        // The dialogs open beside the label, so that its pixels can be seen.
        for (WindowKey key : {WINDOW_EXT, WINDOW_COLOR, WINDOW_FONT, WINDOW_STRING})
            g_settings.Windows[key] = {620, 40};
    }
    void TearDown() override { CloseMainWindowInProcess(); }
    static bool KestrinOnly() { return TheEdition().id == EDITION_KESTRIN; }
    HWND window_ = nullptr;
};

TEST_F(StyleDialogsTest, FontsAndColorsTxtRowAppliesAndItsChooserCancelGivesItBack) {
    if (!KestrinOnly()) GTEST_SKIP() << "the same dialog in every edition";
    g_scan.Drive = 'E';
    g_scan.DispSub = 1;
    ReadDisk(g_currentLabel, TheEdition(), g_scan);
    ZIPINFO* label = g_currentLabel;
    const COLORREF azure = RGB(0, 128, 255);
    bool ok = false;
    PlayDuring([&] { ok = FontsColorsDialog(window_, label, &g_settings); },
               Join({{WaitFor("Fonts And Colors"), Picture("fonts-colors"), Click(IDC_EXTENSION_TEXT), Type(".txt"),
                      Click(IDC_EXTENSION_ADD), WaitFor("Color"), Picture("color-chooser")},
                     TypeColour(0, 128, 255),
                     {Click(pshHelp), Do([&](HWND) {
                          ASSERT_EQ(label->NumExtStyles, 1);
                          EXPECT_STREQ(label->ExtStyles[0].ExtName, "TXT");
                          EXPECT_EQ(label->ExtStyles[0].ExtColor, azure);
                          EXPECT_GT(CountBluishText(), 20) << "the .txt entries are drawn in it";
                      }),
                      Click(IDCANCEL), WaitFor("Fonts And Colors"), Do([&](HWND) {
                          ASSERT_EQ(label->NumExtStyles, 1);
                          EXPECT_EQ(label->ExtStyles[0].ExtColor, label->FontColor);
                          EXPECT_EQ(CountBluishText(), 0);
                      }),
                      Click(IDC_STYLE_COLOR), WaitFor("Color")},
                     TypeColour(230, 230, 230),
                     {Click(IDOK), WaitFor("Fonts And Colors"), Do([](HWND d) {
                          HWND list = GetDlgItem(d, IDC_STYLE_LIST);
                          RECT row;
                          SendMessageA(list, LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&row));
                          HDC dc = GetDC(list);
                          EXPECT_EQ(GetPixel(dc, row.left + 4, (row.top + row.bottom) / 2), RGB(0, 0, 0))
                              << "a light row is drawn on black";
                          ReleaseDC(list, dc);
                      }),
                      Click(IDOK)}}));
    EXPECT_TRUE(ok);
    ASSERT_EQ(label->NumExtStyles, 1);
    EXPECT_EQ(label->ExtStyles[0].ExtColor, RGB(230, 230, 230));
}

TEST_F(StyleDialogsTest, BodyAndSpineColoursApplyThenCancelAndCustomColoursReachTheIni) {
    if (!KestrinOnly()) GTEST_SKIP() << "the same chooser in every edition";
    ZIPINFO* label = g_currentLabel;
    const COLORREF blue = RGB(0, 0, 255);
    int baseline = CountColour(blue);
    g_settings.CustColors[5] = RGB(1, 2, 3);
    for (ColorRef* colour : {&label->BkgndColor, &label->SpineBkgndColor}) {
        ColorRef before = *colour;
        bool ok = true;
        PlayDuring([&] { ok = ChooseLabelColor(window_, APPLY_COLOR, colour, g_settings.CustColors); },
                   Join({{WaitFor("Color"), Do([](HWND c) {
                              EXPECT_TRUE(IsWindowVisible(GetDlgItem(c, COLOR_RED))) << "custom part open";
                              EXPECT_EQ(ControlText(c, pshHelp), "Apply");
                          })},
                         TypeColour(0, 0, 255),
                         {Click(pshHelp), Do([&](HWND) {
                              EXPECT_EQ(*colour, blue);
                              EXPECT_GT(CountColour(blue), baseline + 1000);
                          }),
                          Click(COLOR_ADD)},
                         // An empty field (Wine's own fields hold no more than 255).
                         {Click(COLOR_GREEN), SelectAll(), Keys({VK_DELETE}), Click(pshHelp),
                          ExpectMessage("from 0 to 255"), Do([&](HWND) { EXPECT_EQ(*colour, blue); }),
                          Click(IDCANCEL)}}));
        EXPECT_FALSE(ok);
        EXPECT_EQ(*colour, before);
        RequestRepaint();  // the command's repaint
        EXPECT_EQ(CountColour(blue), baseline);
    }
    CloseMainWindowInProcess();
    std::string ini = IniText();
    EXPECT_NE(ini.find("CustColor5=" + std::to_string(RGB(1, 2, 3))), std::string::npos) << ini;
    bool added = false;
    for (int i = 0; i < kCustomColorCount; ++i)
        added = added || ini.find("CustColor" + std::to_string(i) + "=" + std::to_string(blue) + "\r\n") != std::string::npos;
    EXPECT_TRUE(added) << "the custom colour added in the chooser\n" << ini;
}

TEST_F(StyleDialogsTest, SpineFontOpensOnArialAppliesCancelsAndStores72PointsAs100Units) {
    if (!KestrinOnly()) GTEST_SKIP() << "the same chooser in every edition";
    FontDesc& spine = g_currentLabel->SpineFont;
    FontDesc before = spine;
    ColorRef colour = g_currentLabel->SpineFontColor;
    bool ok = true;
    PlayDuring([&] { ok = ChooseLabelFont(window_, APPLY_LABEL_FONT, &spine, &colour, &g_settings.Printer); },
               {WaitFor("Font"), Picture("font-chooser"), Do([](HWND c) {
                    EXPECT_EQ(ControlText(c, cmb1), "Arial") << "the chooser opens on the label's face";
                    EXPECT_EQ(ControlText(c, cmb3), "14");
                }),
                ClickChooserRow(cmb1, "Liberation Serif"), ClickChooserRow(cmb3, "72"), Click(psh3),
                Do([&](HWND) {
                    EXPECT_EQ(spine.lfHeight, -100);
                    EXPECT_STREQ(spine.lfFaceName, "Liberation Serif");
                }),
                Click(IDCANCEL)});
    EXPECT_FALSE(ok);
    EXPECT_EQ(std::memcmp(&spine, &before, sizeof spine), 0);

    // OK untouched keeps face, height, weight and italic.
    PlayDuring([&] { ok = ChooseLabelFont(window_, APPLY_LABEL_FONT, &spine, &colour, &g_settings.Printer); }, {WaitFor("Font"), Click(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_STREQ(spine.lfFaceName, before.lfFaceName);
    EXPECT_EQ(spine.lfHeight, before.lfHeight);
    EXPECT_EQ(spine.lfWeight, before.lfWeight);
    EXPECT_EQ(spine.lfItalic, before.lfItalic);

    PlayDuring([&] { ok = ChooseLabelFont(window_, APPLY_LABEL_FONT, &spine, &colour, &g_settings.Printer); },
               {WaitFor("Font"), ClickChooserRow(cmb3, "72"), Click(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_EQ(spine.lfHeight, -100) << "72 points are one inch";
}

TEST_F(StyleDialogsTest, StringDialogTrimsAppliesAndCancelsWithItsChoosers) {
    if (!KestrinOnly()) GTEST_SKIP() << "the same dialog in every edition";
    ZIPINFO* label = g_currentLabel;
    ASSERT_NE(InsertNewString(label, CurrentPlacement()), nullptr);
    ObjectRecord& rec = label->Objects[0].rec;
    const std::string caption = "String Entry and Modification";
    int32_t width = rec.Right - rec.Left;
    bool ok = false;
    PlayDuring([&] { ok = StringDialog(window_, label, &g_settings); },
               Join({{WaitFor(caption), Picture("string"), Do([](HWND d) {
                          wchar_t item[16] = L"";
                          SendDlgItemMessageW(d, IDC_STRING_ROTATION, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
                          EXPECT_STREQ(item, L"90\u00B0");
                      }),
                      Keys({VK_RETURN}), Type("first"), Keys({VK_RETURN}), Type("last"), Keys({VK_RETURN, VK_RETURN}),
                      Click(IDC_STRING_APPLY), Do([&](HWND) {
                          EXPECT_STREQ(rec.Text, "first\r\nlast");
                          EXPECT_NE(rec.Right - rec.Left, width) << "re-sized as OK will";
                      }),
                      Click(IDC_STRING_COLOR), WaitFor("Color")},
                     TypeColour(255, 0, 0),
                     {Click(pshHelp), Do([&](HWND) { EXPECT_EQ(rec.TextColor, RGB(255, 0, 0)); }), Click(IDCANCEL),
                      WaitFor(caption), Do([&](HWND) { EXPECT_NE(rec.TextColor, RGB(255, 0, 0)); }), Click(IDOK)}}));
    EXPECT_TRUE(ok);
    EXPECT_STREQ(rec.Text, "first\r\nlast");

    // An empty text becomes a blank.
    PlayDuring([&] { ok = StringDialog(window_, label, &g_settings); },
               {WaitFor(caption), Keys({VK_DELETE}), Click(IDOK)});
    EXPECT_STREQ(rec.Text, " ");

    // Cancel after an Apply gives the whole record back.
    ObjectRecord kept = rec;
    PlayDuring([&] { ok = StringDialog(window_, label, &g_settings); },
               {WaitFor(caption), Type("changed"), Click(IDC_STRING_DEFAULT), Click(IDC_STRING_APPLY), Click(IDCANCEL)});
    EXPECT_FALSE(ok);
    EXPECT_EQ(std::memcmp(&rec, &kept, sizeof rec), 0);
}

TEST_F(StyleDialogsTest, SpineTextCaptionNamesTheEditionAndTheSheetsLabel) {
    bool sheet = TheEdition().id == EDITION_WIMBROOK;
    std::string caption = std::string(TheEdition().name) + " Label " + (sheet ? "3" : "");
    bool ok = false;
    PlayDuring([&] { ok = SpineTextDialog(window_, g_currentLabel, sheet ? 3 : 0); },
               {WaitFor(caption), Picture(TheEdition().name + std::string("-spine-text")), Type("NEW SPINE"),
                Paste(std::string(60, 's')), Click(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_EQ(std::string(g_currentLabel->VolumeName), "NEW SPINE" + std::string(54, 's'));
}

TEST_F(StyleDialogsTest, InitialsAreWrittenAtOnceAndAReadOnlyIniIsTold) {
    bool floppy = TheEdition().id == EDITION_WIMBROOK;
    std::string number = g_settings.Number;
    bool ok = false;
    PlayDuring([&] { ok = InitialsDialog(window_, &g_settings); },
               {WaitFor("Customize Initials"), Picture(TheEdition().name + std::string("-initials")),
                Do([&](HWND d) { EXPECT_EQ(GetDlgItem(d, IDC_NUMBER) == nullptr, floppy); }), Type("QRS"),
                Click(IDOK)});
    EXPECT_TRUE(ok);
    std::string ini = IniText();
    EXPECT_NE(ini.find("Initials=QRS\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Number=" + number + "\r\n"), std::string::npos) << ini;

    std::string path = EditionIniPath(TheEdition().name);
    std::string cannot = MakeReadOnly(path);
    if (!cannot.empty()) GTEST_SKIP() << cannot;
    PlayDuring([&] { ok = InitialsDialog(window_, &g_settings); },
               {WaitFor("Customize Initials"), Type("TUV"), Click(IDOK), UseWindow(window_),
                ExpectMessage("could not be written")});
    MakeWritable(path);
    EXPECT_TRUE(ok);
    EXPECT_STREQ(g_settings.Initials, "TUV") << "they apply for this run";
}

}  // namespace
