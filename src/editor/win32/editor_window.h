#pragma once
// EditorWindow: VexarEdit's window over standard controls - a dialog-like frame in the system's colours
// and dialog font, scaled to its monitor's dpi: the eight fields with their labels and browse buttons, the
// launch of each mode, the findings, the buttons and the status line. It only translates what the user
// does into calls of the editor's session (editor/editor_session.h): edits (and a pause in typing,
// never each key), paths chosen in a file dialog or dropped, the buttons and their keys. Texts cross as
// UTF-8.

#include <windows.h>

#include <oleacc.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_session.h"
#include "editor/editor_view.h"
#include "editor/win32/file_drop.h"
#include "platform/win32/handles.h"

namespace vexar::win32 {

// Control identifiers: a field's is kFirstField plus its Field. None is IDOK (1) or IDCANCEL (2), and no
// button is the default one: Enter presses nothing by accident.
enum class EditorControl : int {
    kFirstField = 201,  // the eight fields, in the order of editor::Field
    kBrowseStart = 221,
    kBrowseLaunch,
    kBrowsePreparation,
    kHardDriveLaunch = 231,
    kCdLaunch,
    kFindings,
    kStatus,
    kNew = 241,
    kOpen,
    kSave,
    kSaveAs,
    kTest,
    kTestCd,
    kClose,
};

class EditorWindow final : public editor::EditorView {
public:
    static constexpr wchar_t kClassName[] = L"VexarEditWindow";
    static constexpr int kClientWidth = 640;  // at 96 dpi
    static constexpr int kClientHeight = 512;
    // A pause in typing this long (ms) makes the findings and the launches anew.
    static constexpr UINT kTypingPause = 300;

    // `launcher`: the launcher folder, absolute; every relative value is taken in it.
    EditorWindow(HINSTANCE instance, std::string launcher);
    ~EditorWindow() override;
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    // Creates the window and its controls, hidden, centred and scaled to its monitor's dpi; raises a
    // run-time error when the window or a control cannot be made.
    void Create();
    // Routes what the user does to `session` from now on.
    void Attach(editor::EditorSession& session) { session_ = &session; }
    // Shows the window with the title field focused.
    void Show();
    // Runs the message loop until the window is gone; returns the quit message's code.
    int Run();
    HWND hwnd() const { return hwnd_.get(); }

    std::string FieldText(editor::Field field) const override;
    void SetFieldText(editor::Field field, std::string_view text) override;
    void SetCaption(std::string_view caption) override;
    void ShowCommands(std::string_view hard_drive, std::string_view cd) override;
    void ShowFindings(std::span<const Finding> findings) override;
    void ShowStatus(std::string_view status) override;
    void SetSaveState(editor::SaveState state) override;
    void Destroy() override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    HWND Control(EditorControl id) const { return ::GetDlgItem(hwnd_.get(), static_cast<int>(id)); }
    HWND FieldControl(editor::Field field) const;
    // The field of control `id` (a field or its browse button), if any.
    static std::optional<editor::Field> FieldOf(int id);
    // Places the controls and sets their font for the window's dpi.
    void Layout();
    // Handles the keys of the window's commands (Ctrl+N/O/S/B, F4 in a path field, F5, Shift+F5, Esc);
    // true when `message` was one.
    bool TranslateKey(const MSG& message);
    void OnCommand(int id, int code);
    // Runs `command` (a call of the session); an error it raises is shown in a box.
    template <typename Command>
    void Guarded(Command command);
    // A pending pause in typing is taken now, before a command reads the values.
    void TakePause();

    void Browse(editor::Field field);
    void OpenFile();
    void Save();
    void SaveAs();
    void Test(LaunchMode mode);
    void Close();
    void Dropped(const std::wstring& path, POINT point);
    // The folder a dialog for `field` starts in: the field's own, else the launcher folder.
    std::wstring StartFolder(editor::Field field) const;
    std::string ConfigsFolder() const { return launcher_ + "\\Configs"; }

    // A control and its rectangle at 96 dpi.
    struct Placed {
        HWND window;
        RECT designed;
    };
    // Creates a control as designed; raises a run-time error when it cannot be made.
    HWND Add(const wchar_t* window_class, const wchar_t* text, DWORD style, int id, RECT designed);
    // Gives `control` `name` for assistive technology (best effort: the system's annotation service).
    void Name(HWND control, const wchar_t* name);

    HINSTANCE instance_;
    std::string launcher_;
    std::vector<Placed> placed_;
    editor::EditorSession* session_ = nullptr;
    UniqueWindow hwnd_;
    UniqueFont font_;
    int dpi_ = 96;
    bool setting_ = false;  // the window itself sets a field's text: no edit of the user's
    bool typing_ = false;   // the typing-pause timer runs
    HWND focus_ = nullptr;  // the control that had the focus when the window was last deactivated
    FileDrop drop_;
    UniqueCom<IAccPropServices> names_;
    std::vector<HWND> named_;
};

}  // namespace vexar::win32
