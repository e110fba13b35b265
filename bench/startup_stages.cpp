// The launcher's start in stages: the program's own steps (launcher/win32/launcher_program, which the
// entry point runs), with a clock around each, up to the end of the first paint; then it reports the
// stages and ends. It carries the launcher's resources and manifest, and links what the launcher links.
//
//   vexar_bench_stages stages CLOCK_MS   (CLOCK_MS: the driver's reading of the performance counter when
//                                         it asked for the process; run in a folder of configs)
//
// Stages: process (from the request to WinMain), controls_ole (common controls and OLE), pictures and
// fonts (what the first paint needs, made here first, cold, so that the window's creation then finds
// the decoders and font files loaded), window (the frame, its controls, and what the window makes
// itself), list_fill (the listing and the reading of the configs, the saved title, the CD test),
// combo_fill (the entries into the game list, timed inside the view), show_paint (showing the window,
// its first paint and the focus) and first_turn (the messages waiting then, among them the window's
// request to add its icons and tool tips). Message boxes are stand-ins: one shown makes the run fail.

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string_view>

#include "double/platform_double.h"
#include "launcher/win32/launcher_program.h"
#include "resource_ids.h"
#include "stage_clock.h"
#include "ui/win32/gdi.h"
#include "ui/win32/pictures.h"

namespace {

// The main window as the launcher's logic sees it, with the time its game-list fill takes.
class TimedView : public vexar::LauncherView {
public:
    explicit TimedView(vexar::LauncherView& window) : window_(window) {}

    void AddListEntries(std::span<const std::string> entries) override {
        const double start = vexar::bench::ClockMs();
        window_.AddListEntries(entries);
        combo_fill_ms += vexar::bench::ClockMs() - start;
    }
    std::string ListText() const override { return window_.ListText(); }
    void SetListText(std::string_view text) override { window_.SetListText(text); }
    std::string NotesText() const override { return window_.NotesText(); }
    void SetNotesText(std::string_view text) override { window_.SetNotesText(text); }
    std::string CommandText() const override { return window_.CommandText(); }
    void SetCommandText(std::string_view text) override { window_.SetCommandText(text); }
    void SetCaption(std::string_view caption) override { window_.SetCaption(caption); }
    void Minimize() override { window_.Minimize(); }
    void Destroy() override { window_.Destroy(); }

    double combo_fill_ms = 0;

private:
    vexar::LauncherView& window_;
};

// Makes the pictures the window's first paint shows, as the window loads them.
void LoadPictures(HINSTANCE instance) {
    using vexar::win32::LoadBitmapPicture;
    using vexar::win32::LoadJpegPicture;
    LoadJpegPicture(instance, VEXAR_IDR_CLOSE_GLYPH);
    LoadJpegPicture(instance, VEXAR_IDR_MINIMIZE_GLYPH);
    LoadBitmapPicture(instance, VEXAR_IDB_HELP_GLYPH);
    LoadBitmapPicture(instance, VEXAR_IDB_LAUNCH_EMBLEM);
    LoadBitmapPicture(instance, VEXAR_IDB_FIRE_COLUMN);
}

// Makes the window's three fonts at the screen's dpi and has the system measure each once.
void MakeFonts() {
    const vexar::win32::ScreenDc screen;
    const int dpi = vexar::win32::WindowDpi(nullptr);
    using vexar::win32::MainWindow;
    for (const MainWindow::FontSize size :
         {MainWindow::kListFont, MainWindow::kCommandFont, MainWindow::kDefaultFont}) {
        const vexar::win32::UniqueFont handle =
            vexar::win32::MakeWindowFont(size.points_x100, size.weight, dpi);
        const HGDIOBJ previous = ::SelectObject(screen.get(), handle.get());
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(screen.get(), &metrics);
        ::SelectObject(screen.get(), previous);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    const std::string_view arguments(command_line);
    if (arguments.substr(0, 7) != "stages ") return 1;
    vexar::bench::StageClock clock(std::strtod(command_line + 7, nullptr));
    clock.End("process");

    vexar::testing::FakeMessageBoxes boxes;
    vexar::win32::LauncherProgram program(instance, boxes);
    program.PrepareWindows();
    clock.End("controls_ole");
    LoadPictures(instance);
    clock.End("pictures");
    MakeFonts();
    clock.End("fonts");

    program.CreateWindows();
    clock.End("window");

    TimedView view(program.Window());
    program.Start(&view);
    clock.End("list_fill");
    clock.Carve("combo_fill", view.combo_fill_ms);

    program.Show();
    clock.End("show_paint");
    // The message loop's first turn: what was posted while the window was shown.
    program.HandleWaitingMessages();
    clock.End("first_turn");
    clock.Report("launcher");
    return boxes.shown.empty() ? 0 : 2;
}
