// The print commands and Printer Setup on the real main window, with the
// system's real print dialogs answered through a CBT hook; jobs go to the
// margin queue (its own output folder) and are counted from their PDFs.
// One case per piece of wiring: the rules are tested in the core.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>
#include <winspool.h>

#include <cstring>
#include <string>

#include "catalog/labels.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "editions/print_ids.h"
#include "render/label_geometry.h"
#include "shell/view_state.h"
#include "shell/win32/page_painter.h"
#include "shell/win32/print_command.h"
#include "shell/win32/win_state.h"
#include "tests/gui/dialog_script.h"
#include "tests/gui/gui_harness.h"
#include "tests/gui/view_input.h"
#include "tests/samples/sample_labels.h"
#include "tools/driver/pdf_output.h"
#include "tests/support/print_doubles.h"

namespace {

const char kMarginQueue[] = "LabelPDFMargin";
const std::string kOnMarginQueue =
    "[tlm5]\r\nDrive=67\r\nPrinterName=LabelPDFMargin\r\nDriverName=wineps.drv\r\nPortName=CUPS:LabelPDFMargin\r\n";
// The plain queue by name, so that no case depends on which is the default.
const std::string kOnPlainQueue =
    "[tlm5]\r\nDrive=67\r\nPrinterName=LabelPDF\r\nDriverName=wineps.drv\r\nPortName=CUPS:LabelPDF\r\n";

void ClickOk(HWND dialog) { ClickControl(dialog, IDOK); }

// Pixels other than white between two logical points.
int InkPixels(HWND window, LabelPoint from, LabelPoint to) {
    POINT a = ClientPixelOf(window, from), b = ClientPixelOf(window, to);
    HDC dc = GetDC(window);
    int ink = 0;
    for (int y = a.y; y <= b.y; ++y)
        for (int x = a.x; x <= b.x; ++x)
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) ++ink;
    ReleaseDC(window, dc);
    return ink;
}

class PrintTest : public testing::Test {
protected:
    void Start(const std::string& ini) {
        ForgetKeptDeviceMode();
        window_ = StartMainWindowInProcess(ini.c_str());
        ASSERT_NE(window_, nullptr);
        before_ = PdfFiles(PdfFolder(kMarginQueue));
    }
    void TearDown() override {
        SetPrintDialogHook(nullptr);
        if (g_win.main && IsWindow(g_win.main)) CloseMainWindowInProcess();
        ForgetKeptDeviceMode();
    }
    bool Skip(EditionId edition) const { return TheEdition().id != edition; }
    // Pages of the one new PDF of this edition's job on the margin queue.
    int PrintedPages() {
        std::vector<std::string> pdfs = WaitForNewPdfs(PdfFolder(kMarginQueue), before_, TheEdition().name, 1, 30000);
        EXPECT_EQ(pdfs.size(), 1u);
        int pages = pdfs.size() == 1 ? PdfPageCount(ReadPdf(pdfs[0])) : 0;
        for (const std::string& pdf : pdfs) DeleteFileA(pdf.c_str());
        return pages;
    }
    HWND window_ = nullptr;
    std::set<std::string> before_;
};

TEST_F(PrintTest, OneSheetGreysThePageNumbersAndPrints) {
    if (Skip(EDITION_KESTRIN)) GTEST_SKIP() << "the print dialog's wiring, once";
    Start(kOnMarginQueue);
    bool pagesEnabled = true;
    DialogScript script({[&](HWND d) {
        pagesEnabled = IsWindowEnabled(GetDlgItem(d, rad3)) != 0;
        ClickOk(d);
    }});
    EXPECT_TRUE(PrintLabel(window_, 0));
    EXPECT_FALSE(pagesEnabled);
    EXPECT_EQ(PrintedPages(), 1);
}

TEST_F(PrintTest, TwoCopiesOfTwoSheetsGiveFourPages) {
    if (Skip(EDITION_KESTRIN)) GTEST_SKIP() << "the print dialog's wiring, once";
    Start(kOnMarginQueue + "Labels=12\r\nLblFmt0=6\r\n");
    AddObject(OBJECT_STRING, 3, 0, {50, -50, 200, -100});  // a second sheet
    std::string to;
    DialogScript script({[&](HWND d) {
        to = ControlText(d, edt2);
        SetControlText(d, edt3, "2");
        ClickOk(d);
    }});
    EXPECT_TRUE(PrintLabel(window_, 0));
    EXPECT_EQ(to, "2");
    EXPECT_EQ(PrintedPages(), 4);
}

TEST_F(PrintTest, CancelPrintsNothingAndChangesNothing) {
    if (Skip(EDITION_KESTRIN)) GTEST_SKIP() << "the print dialog's wiring, once";
    Start(kOnMarginQueue + "WindScale=75\r\n");
    ProgramSettings settings = g_settings;
    DialogScript script({[](HWND d) { ClickControl(d, IDCANCEL); }});
    EXPECT_FALSE(PrintLabel(window_, 0));
    EXPECT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(std::memcmp(&settings, &g_settings, sizeof settings), 0);
    EXPECT_DOUBLE_EQ(g_view.windowScale, 0.75);
    EXPECT_EQ(g_view.paintingEnabled, 1);
    ASSERT_TRUE(MarkerJobPrinted(kMarginQueue, 30000));
    EXPECT_TRUE(WaitForNewPdfs(PdfFolder(kMarginQueue), before_, TheEdition().name, 0, 0).empty());
}

TEST_F(PrintTest, SizeWarningIsAskedOnceBeforeTheJobAndRemembered) {
    if (Skip(EDITION_KESTRIN)) GTEST_SKIP() << "Kestrin's question";
    Start(kOnMarginQueue + "PrinterOrientation=1\r\nWindScale=75\r\n");
    double scaleWhenAsked = 0;
    int paintingWhenAsked = -1;
    DialogScript script({ClickOk, [&](HWND hint) {
                             scaleWhenAsked = g_view.windowScale;
                             paintingWhenAsked = g_view.paintingEnabled;
                             ClickControl(hint, IDOK);  // "Print On Separate"
                         }});
    EXPECT_TRUE(PrintLabel(window_, 0));
    EXPECT_EQ(script.seen(), (std::vector<std::string>{"Print", "Printout Size Warning"}));
    EXPECT_DOUBLE_EQ(scaleWhenAsked, 0.75);
    EXPECT_EQ(paintingWhenAsked, 1);
    EXPECT_EQ(PrintedPages(), 2);
    CloseMainWindowInProcess();
    EXPECT_NE(EditionIniText().find("MultiPage=1\r\n"), std::string::npos);
}

TEST_F(PrintTest, AHiddenSizeWarningPrintsOnOnePageWithoutABox) {
    if (Skip(EDITION_KESTRIN)) GTEST_SKIP() << "Kestrin's question";
    Start(kOnMarginQueue + "PrinterOrientation=1\r\nHideDummy4=1\r\n");
    DialogScript script({ClickOk});
    EXPECT_TRUE(PrintLabel(window_, 0));
    EXPECT_EQ(script.seen().size(), 1u) << "only the print dialog";
    EXPECT_EQ(PrintedPages(), 1);
}

TEST_F(PrintTest, AContextOfNoPrinterShowsOneBoxDrawsNothingAndRestoresTheWindow) {
    if (Skip(EDITION_DOVANTEL)) GTEST_SKIP() << "the job's failure path, once";
    Start(kOnMarginQueue + "WindScale=125\r\n");
    SetPrintDialogHook(PaperlessPrintDialog::Answer);
    std::string text;
    int paintingDuringBox = -1;
    DialogScript script({[&](HWND box) {
        text = MessageBoxText(box);
        // The box covers the window: meanwhile a paint may only erase.
        paintingDuringBox = g_view.paintingEnabled;
        ClickOk(box);
    }});
    EXPECT_FALSE(PrintLabel(window_, 0));
    EXPECT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(text, "Print - Unable to get StartDoc()");
    EXPECT_EQ(paintingDuringBox, 0);
    EXPECT_TRUE(PaperlessPrintDialog::Untouched());
    PaperlessPrintDialog::Free();
    EXPECT_DOUBLE_EQ(g_view.windowScale, 1.25);
    EXPECT_EQ(g_view.paintingEnabled, 1);
}

TEST_F(PrintTest, AStoredPrinterThatIsGoneGivesWayToTheDefault) {
    if (Skip(EDITION_DOVANTEL)) GTEST_SKIP() << "the printer check, once";
    Start("[tlm5]\r\nDrive=67\r\nPrinterName=GonePrinter\r\nDriverName=wineps.drv\r\nPortName=CUPS:GonePrinter\r\n");
    DialogScript script({[](HWND d) { ClickControl(d, IDCANCEL); }});
    EXPECT_FALSE(PrintLabel(window_, 0));
    EXPECT_EQ(script.seen().size(), 1u) << "the print dialog, on the default printer";
    char printer[256];
    DWORD size = sizeof printer;
    ASSERT_TRUE(GetDefaultPrinterA(printer, &size));
    EXPECT_STREQ(g_settings.Printer.name, printer);
}

TEST_F(PrintTest, WimbrookWithNothingToPrintSaysSoAndOpensNoDialog) {
    if (Skip(EDITION_WIMBROOK)) GTEST_SKIP() << "Wimbrook's empty labels";
    Start(kOnMarginQueue + "Labels=23\r\n");
    std::string text;
    DialogScript script({[&](HWND box) {
        text = MessageBoxText(box);
        ClickOk(box);
    }});
    EXPECT_FALSE(PrintLabel(window_, 0));
    EXPECT_EQ(script.seen().size(), 1u);
    EXPECT_NE(text.find("no label to print"), std::string::npos) << text;
}

TEST_F(PrintTest, SetupFillsGreysAndStoresOnOk) {
    if (Skip(EDITION_KESTRIN)) GTEST_SKIP() << "Printer Setup's wiring, once";
    Start(kOnMarginQueue + "NewPosX=1250\r\nNewPosY2=-500\r\nBorder=3\r\nCropMarks=1\r\n");
    std::string x, y2, name;
    bool greyed = false, enabledAfter = false, crop = false;
    LRESULT border = -1;
    DialogScript script({[&](HWND d) {
        x = ControlText(d, IDC_PS_X);
        y2 = ControlText(d, IDC_PS_Y2);
        name = ControlText(d, IDC_PS_PRINTER_NAME);
        crop = IsDlgButtonChecked(d, IDC_PS_CROP_MARKS) == BST_CHECKED;
        border = SendDlgItemMessageA(d, IDC_PS_BORDER, CB_GETCURSEL, 0, 0);
        greyed = !IsWindowEnabled(GetDlgItem(d, IDC_PS_X2));
        SaveWindowPicture(d, "printer-setup-kestrin");
        SendMessageA(GetDlgItem(d, IDC_PS_DEFAULT_POSITION), BM_CLICK, 0, 0);
        enabledAfter = IsWindowEnabled(GetDlgItem(d, IDC_PS_X2)) != 0;
        SetControlText(d, IDC_PS_X2, " 6.125 ");
        SendDlgItemMessageA(d, IDC_PS_BORDER, CB_SETCURSEL, 5, 0);
        ClickOk(d);
    }});
    EXPECT_TRUE(PrinterSetupDialog(window_));
    EXPECT_EQ(x, "1.250");
    EXPECT_EQ(y2, "-0.500");
    EXPECT_EQ(name, "LabelPDFMargin");
    EXPECT_TRUE(crop);
    EXPECT_EQ(border, 3);
    EXPECT_TRUE(greyed);
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(g_settings.OrigPosition, 0);
    EXPECT_DOUBLE_EQ(g_settings.NewPosX2, 6.125);
    EXPECT_EQ(g_settings.Border, 5);
}

TEST_F(PrintTest, SetupNamesABadFieldStaysOpenAndStoresNothing) {
    if (Skip(EDITION_KESTRIN)) GTEST_SKIP() << "Printer Setup's wiring, once";
    Start(kOnMarginQueue + "OrigPosition=0\r\n");
    ProgramSettings settings = g_settings;
    std::string message;
    bool stillOpen = false;
    DialogScript script({[](HWND d) {
                             SetControlText(d, IDC_PS_X2, "1e999");
                             SendMessageA(GetDlgItem(d, IDC_PS_CROP_MARKS), BM_CLICK, 0, 0);
                             ClickOk(d);
                         },
                         [&](HWND box) {
                             message = MessageBoxText(box);
                             HWND setup = GetParent(box);
                             ClickOk(box);
                             RunLater(setup, [&](HWND d) {
                                 stillOpen = IsWindowVisible(d) != 0;
                                 ClickControl(d, IDCANCEL);
                             });
                         }});
    EXPECT_FALSE(PrinterSetupDialog(window_));
    EXPECT_NE(message.find("Front: X (in.)"), std::string::npos) << message;
    EXPECT_TRUE(stillOpen);
    // Only the dialog's own position is kept.
    std::memcpy(settings.Windows, g_settings.Windows, sizeof settings.Windows);
    EXPECT_EQ(std::memcmp(&settings, &g_settings, sizeof settings), 0);
}

// Printer Setup's "&Printer:" opens the system's print setup, where the
// margin queue is chosen; then `then` runs on Printer Setup.
std::vector<DialogAction> ChooseMarginQueueThen(DialogAction then) {
    static HWND setup = nullptr;
    return {[](HWND d) {
                setup = d;
                ClickControl(d, IDC_PS_PRINTER);
            },
            [then](HWND printSetup) {
                ChooseComboItem(printSetup, kMarginQueue);
                ClickOk(printSetup);
                RunLater(setup, then);
            }};
}

// Choosing the other queue there takes effect at once, and Cancel in
// Printer Setup puts it back.
TEST_F(PrintTest, SetupCancelPutsBackAPrinterChosenMeanwhile) {
    if (Skip(EDITION_DOVANTEL)) GTEST_SKIP() << "Printer Setup's printer, once";
    Start(kOnPlainQueue);
    std::string shown, meanwhile;
    DialogScript script(ChooseMarginQueueThen([&](HWND d) {
        shown = ControlText(d, IDC_PS_PRINTER_NAME);
        meanwhile = g_settings.Printer.name;
        ClickControl(d, IDCANCEL);
    }));
    EXPECT_FALSE(PrinterSetupDialog(window_));
    EXPECT_EQ(shown, kMarginQueue);
    EXPECT_EQ(meanwhile, kMarginQueue);
    EXPECT_STREQ(g_settings.Printer.name, "LabelPDF");
}

TEST_F(PrintTest, APrinterChosenInSetupSurvivesARestartAndPrints) {
    if (Skip(EDITION_DOVANTEL)) GTEST_SKIP() << "Printer Setup's printer, once";
    Start(kOnPlainQueue);
    {
        DialogScript script(ChooseMarginQueueThen(ClickOk));
        EXPECT_TRUE(PrinterSetupDialog(window_));
    }
    CloseMainWindowInProcess();
    Start(EditionIniText());
    EXPECT_STREQ(g_settings.Printer.name, kMarginQueue);
    DialogScript script({ClickOk});
    EXPECT_TRUE(PrintLabel(window_, 0));
    EXPECT_EQ(PrintedPages(), 1);
}

TEST_F(PrintTest, WimbrookMarginMovesTheBodyInset) {
    if (Skip(EDITION_WIMBROOK)) GTEST_SKIP() << "Wimbrook's margin";
    Start(kOnMarginQueue);
    FillSampleList(g_currentLabel, 40, "file%02d.txt");
    g_currentLabel->LayoutValid = 0;
    RepaintNow(window_);
    // Between the default inset (0.10 in) and the new one (0.50 in).
    LabelPoint from = LogicalOfPagePoint(1, {14, -2}), to = LogicalOfPagePoint(1, {45, -60});
    int before = InkPixels(window_, from, to);
    DialogScript script({[](HWND d) {
        SendMessageA(GetDlgItem(d, IDC_PS_DEFAULT_POSITION), BM_CLICK, 0, 0);
        SetControlText(d, IDC_PS_MARGIN, "0.5");
        SaveWindowPicture(d, "printer-setup-wimbrook");
        ClickOk(d);
    }});
    EXPECT_TRUE(PrinterSetupDialog(window_));
    ASSERT_TRUE(PumpUntilHandled(window_));  // the repaint at the new inset
    EXPECT_GT(before, 20);
    EXPECT_EQ(InkPixels(window_, from, to), 0);
    EXPECT_EQ(WimbrookBodyInset(ProgramGeometry()), 50);
}

}  // namespace
