#include "launcher/win32/launcher_program.h"

#include <commctrl.h>

#include "launcher/run_game.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/late_calls.h"

namespace vexar::win32 {

CommandLine ReadCommandLine() {
    // The program's own file name, by which an unquoted path with blanks is told from the arguments.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return ParseCommandLine(Utf8(::GetCommandLineW()), Utf8(path.substr(path.find_last_of(L'\\') + 1)));
}

LauncherProgram::LauncherProgram(HINSTANCE instance, platform::MessageBoxes& boxes)
    : instance_(instance), boxes_(boxes) {}

int LauncherProgram::RunCommand(const CommandLine& command) {
    // A box about an unknown game names the folder it looked in in full.
    // (Without a current directory the box names Configs\.)
    std::wstring folder = CurrentDirectory();
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    const LauncherPaths paths;
    return RunCommandLine(command, {files_, shell_, boxes_, codec_}, paths,
                          Utf8(folder) + paths.config_folder);
}

void LauncherProgram::PrepareWindows() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    late::InitCommonControlsEx(&controls);
    ole_.emplace();
}

void LauncherProgram::CreateWindows() {
    window_ = std::make_unique<MainWindow>(instance_);
    window_->Create();
    // The notes window, owned by the main window and destroyed with it.
    notes_window_ = std::make_unique<NotesWindow>(instance_, window_->hwnd());
    notes_ = std::make_unique<frmNotesView>(*notes_window_, boxes_);
    notes_window_->Attach(*notes_);
}

void LauncherProgram::Start(LauncherView* view) {
    form_ = std::make_unique<frmVexarLaunch>(platform::Services{files_, shell_, boxes_, codec_},
                                             view ? *view : *window_, LauncherPaths{}, notes_.get());
    window_->Attach(*form_, notes_.get());
    form_->Form_Initialize();
    form_->Form_Load();
}

void LauncherProgram::Show() {
    window_->Show();
}

void LauncherProgram::Dispatch(MSG& message) {
    if (window_->TranslateDialogKey(message) || notes_window_->TranslateDialogKey(message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

bool LauncherProgram::HandleWaitingMessages() {
    for (MSG message{}; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        if (message.message == WM_QUIT) return false;
        Dispatch(message);
    }
    return true;
}

int LauncherProgram::Run() {
    MSG message{};
    // Destroying the main window posts the quit message that ends the loop.
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return static_cast<int>(message.wParam);  // the quit message's code
}

}  // namespace vexar::win32
