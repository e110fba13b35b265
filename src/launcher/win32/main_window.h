#pragma once
// MainWindow: the launcher's main window over real Win32 controls - frame, the nine controls with their
// geometry, fonts, pictures and tool tips, and the translation of control notifications into calls of
// frmVexarLaunch's handlers. What the handlers do is frmVexarLaunch's; texts cross as ANSI strings.

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "launcher/launcher_view.h"
#include "launcher/win32/framed_window.h"
#include "launcher/win32/pictures.h"
#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace vexar {
class frmVexarLaunch;
}

namespace vexar::win32 {

// Control identifiers. None is IDOK (1) or IDCANCEL (2): Enter and Esc reach no button through them.
enum class ControlId : int {
    kCommand1 = 101,
    kCmdMinimize,
    kTxtCommand,
    kCmdHelp,
    kTxtShowNotes,
    kCmdLaunchGame,
    kTxtLauncher,
    kImgFire2,
    kImgFire1,
};

class MainWindow final : public LauncherView, public FramedWindow {
public:
    // Geometry at 96 dpi, in pixels of the client area.
    static constexpr int kClientWidth = 621;
    static constexpr int kClientHeight = 166;
    static constexpr wchar_t kClassName[] = L"VexarLauncherMainWindow";

    // `dpi` scales geometry, fonts and pictures (96 gives the designed pixel sizes).
    MainWindow(HINSTANCE instance, const platform::TextCodec& codec, int dpi = SystemDpi());
    ~MainWindow() override;

    // Returns the system's dots per inch (96 when it cannot be read).
    static int SystemDpi();

    // Creates the window and its controls, hidden and centred on the screen; raises a run-time error
    // when the window, a control or a picture cannot be made.
    void Create();
    // Routes the controls' events to `form` from now on.
    void Attach(frmVexarLaunch& form) { form_ = &form; }
    // Shows the window and gives the focus to the game list.
    void Show();

    // Returns the control `id` (null before Create).
    HWND Control(ControlId id) const;
    // Returns the tool-tip window (null before Create).
    HWND ToolTips() const { return tooltips_; }

    void AddListEntries(std::span<const std::string> entries) override;
    std::string ListText() const override;
    void SetListText(std::string_view text) override;
    int ListIndex() const override;
    std::string NotesText() const override;
    void SetNotesText(std::string_view text) override;
    std::string CommandText() const override;
    void SetCommandText(std::string_view text) override;
    void SetCaption(std::string_view caption) override;
    void Minimize() override;
    void Unload() override;

private:
    enum class Phase { kCreated, kUnloadHandler, kUnloading };

    static LRESULT CALLBACK NotesProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    // Paints an owner-drawn picture button or picture.
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    HWND NotesBox() const override { return Control(ControlId::kTxtShowNotes); }
    // Forgets the handles of the window, its controls and the focus.
    void Forget() override;
    // Calls the handler (if any) for notification `code` of control `id`.
    void OnCommand(int id, int code);
    // Runs the lose-focus handler of the control that had the focus and the get-focus handler of
    // `control`, when the focus has moved from one control of the window to another.
    void OnFocusEntered(HWND control);

    void CreateControls();
    void AddToolTip(HWND control, const wchar_t* text);
    // Returns the UTF-16 text of `window`, as an ANSI string.
    std::string TextOf(HWND window) const;
    void SetTextOf(HWND window, std::string_view text);
    bool IsPictureButton(HWND window) const;

    const platform::TextCodec& codec_;
    frmVexarLaunch* form_ = nullptr;
    Phase phase_ = Phase::kCreated;

    std::array<HWND, 9> controls_{};
    HWND tooltips_ = nullptr;
    HWND focus_ = nullptr;          // the control that had the focus when the window was last deactivated
    HWND focus_control_ = nullptr;  // the control of this window that last received the focus
    // The game list's text was typed rather than chosen since the last choice.
    bool list_typed_ = false;
    // Our own change of the game list's text is under way: its edit notifications are not the user's.
    bool list_updating_ = false;

    UniqueGdiObject list_font_;
    UniqueGdiObject command_font_;
    UniqueGdiObject default_font_;
    UniqueIcon big_icon_;
    UniqueIcon small_icon_;
    Picture close_glyph_;
    Picture minimize_glyph_;
    Picture help_glyph_;
    Picture launch_emblem_;
    Picture pressed_emblem_;
    Picture fire_column_;
};

}  // namespace vexar::win32
