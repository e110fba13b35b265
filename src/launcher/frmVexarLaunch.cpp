// Start-up of the main window: the game list, CD mode, and the handlers with nothing to do.
#include "launcher/frmVexarLaunch.h"

#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/show_error.h"
#include "notes_window/frmNotesView.h"

namespace vexar {

namespace {
constexpr std::string_view kCdMarkerFile = "IsCD.txt";
}  // namespace

frmVexarLaunch::frmVexarLaunch(platform::Services services, LauncherView& view, frmNotesView* notes)
    : services_(services), view_(view), notes_(notes) {}

void frmVexarLaunch::Form_Initialize() {
    try {
        PopulateList();
        SetTitle();
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in Form_Initialize");
    }
}

void frmVexarLaunch::Form_Load() {
    try {
        state_.blnIsCD = Present(kCdMarkerFile, platform::ListMask::kNormal);
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in Form_Load");
    }
}

bool frmVexarLaunch::Present(std::string_view pattern, platform::ListMask mask) {
    return !services_.files.ListFirst(pattern, mask).empty();
}

void frmVexarLaunch::PopulateList() {
    std::int32_t count = 0;
    std::vector<std::string> names;
    SortedFiles(services_, kConfigFolder, count, names, SkipDot::kYes, SkipDotDot::kYes);

    state_.strConfigFiles.assign(1, std::string());
    state_.strGameTitles.assign(1, std::string());
    state_.lngListFiles.clear();
    state_.lngConfigCount = 0;
    if (count <= 0) return;

    state_.lngConfigCount = count;
    state_.strConfigFiles.resize(static_cast<std::size_t>(count) + 1);
    state_.strGameTitles.resize(static_cast<std::size_t>(count) + 1);

    // The entries go to the game list in one batch, also when an error ends the fill early.
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count));
    auto flush = [&] { view_.AddListEntries(entries); };
    try {
        for (std::int32_t i = 1; i <= count; ++i) {
            const auto index = static_cast<std::size_t>(i);
            state_.strConfigFiles[index] = std::move(names[index - 1]);
            std::string& title = state_.strGameTitles[index];
            try {
                title = ListRead(services_.files, state_.strConfigFiles[index]);
            } catch (const RuntimeError& error) {
                // A file that ends too early, or whose name cannot be opened (a character outside the
                // ANSI code page comes back from the listing as '?'), is listed as invalid and the fill
                // goes on: one odd file must not hide the games after it.
                if (error.number() != kErrPastEndOfFile && error.number() != kErrBadFileName) throw;
                title = InvalidEntryText(state_.strConfigFiles[index]);
            }
            if (!title.empty()) {
                entries.push_back(title);
                state_.lngListFiles.push_back(i);
            }
        }
    } catch (...) {
        const RuntimeError error = TrappedError();
        flush();
        ShowError(services_.boxes, error, " in Private Sub PopulateList");
        return;
    }
    flush();
}

void frmVexarLaunch::txtLauncher_GotFocus() {}

}  // namespace vexar
