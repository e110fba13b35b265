#pragma once
// MainWindow: the launcher's main window over real Win32 controls - frame, the nine controls with their
// geometry, fonts, pictures and tool tips - translating control notifications into calls of
// frmVexarLaunch. What the handlers do, and which events reach them, is frmVexarLaunch's; texts cross as
// UTF-8.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "launcher/gamepad.h"
#include "launcher/launcher_view.h"
#include "platform/win32/handles.h"
#include "platform/win32/xinput_pads.h"
#include "ui/win32/framed_window.h"
#include "ui/win32/pictures.h"

namespace vexar {
class frmVexarLaunch;
class frmNotesView;
}  // namespace vexar

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
    // Its fonts, in hundredths of a point and weight: the game list's, the command box's, the others'.
    struct FontSize {
        int points_x100;
        int weight;
    };
    static constexpr FontSize kListFont{1200, FW_BOLD}, kCommandFont{825, FW_BOLD},
        kDefaultFont{825, FW_NORMAL};

    explicit MainWindow(HINSTANCE instance);

    // Creates the window and its controls, hidden, centred on the screen and scaled to its monitor's dpi;
    // raises a run-time error when the window, a control or a picture cannot be made.
    void Create();
    // Routes the controls' events to `form`, and a gamepad's to `form` and `notes` (when not null), from now
    // on.
    void Attach(frmVexarLaunch& form, frmNotesView* notes = nullptr) {
        form_ = &form;
        notes_ = notes;
    }
    // Shows the window and gives the focus to the game list; the window's icons and tool tips follow with
    // the next turn of the message loop.
    void Show();

    // Returns the control `id` (null while the window has none).
    HWND Control(ControlId id) const { return FramedWindow::Control(static_cast<int>(id)); }

    void AddListEntries(std::span<const std::string> entries) override;
    std::string ListText() const override;
    void SetListText(std::string_view text) override;
    std::string NotesText() const override;
    void SetNotesText(std::string_view text) override;
    std::string CommandText() const override;
    void SetCommandText(std::string_view text) override;
    void SetCaption(std::string_view caption) override;
    void Minimize() override;
    void Destroy() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    // Makes the fonts for the dpi and sets the game list's closed height.
    void OnScaled() override;
    void OnDoubleClick(int id) override;
    void OnDestroyed() override;
    // Passes notification `code` of control `id` to the form.
    void OnCommand(int id, int code);
    // Returns the form while its handlers may run: not while it closes the window.
    frmVexarLaunch* Form() const;

    // The gamepad: told that the window became or stopped being the foreground window (or was
    // minimised), it polls the pad on a timer only while the launcher is in front and not minimised.
    void PadFocus(vexar::PadFocus event);
    // One poll: reads the pad and carries out what GamepadInput makes of it.
    void PollPad();
    // Carries out `action` through the controls, as the keyboard or the mouse would.
    void CarryOut(PadAction action);

    // Gives the window its icons and its controls their tool tips (once; best effort: the window works
    // without them).
    void AddExtras();
    void AddToolTip(HWND control, const wchar_t* text);

    frmVexarLaunch* form_ = nullptr;
    frmNotesView* notes_ = nullptr;

    XInputPads pads_;
    GamepadInput pad_input_;
    std::optional<DWORD> pad_slot_;    // the slot of the pad read, while one is connected
    DWORD next_pad_scan_ = 0;          // when to look for a pad again while none is connected
    bool pad_scan_due_ = true;         // a device came or went: look for a pad at the next poll
    bool pad_busy_ = false;            // a pad action is being carried out (it may show a box)
    bool pad_blocked_ = false;         // the window was disabled (a box) at a poll
    std::uint32_t games_started_ = 0;  // the form's count at the last poll

    HWND tooltips_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the focus when the window was last deactivated
    // Our own change of the game list's text is under way: its edit notifications are not the user's.
    bool list_updating_ = false;

    UniqueFont list_font_;
    UniqueFont command_font_;
    UniqueFont default_font_;
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
