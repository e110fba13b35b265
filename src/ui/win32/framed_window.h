#pragma once
// FramedWindow: what the launcher's windows share - the fixed black tool-window frame around a client
// area scaled to the window's dpi (and scaled again when the dpi changes), "this" kept with the window
// from WM_NCCREATE on, child controls made from a layout table with their names, fonts, owner-drawn
// pictures, and the colours and dialog keys of read-only text boxes. Which controls there are and what
// their notifications mean are the derived window's.

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/win32/pictures.h"

namespace vexar::win32 {

// One control as designed: its identifier, class, name and styles, and its rectangle in pixels at 96 dpi.
struct ControlLayout {
    int id;
    const wchar_t* window_class;
    const wchar_t* text;             // its window text: a button's name (a picture button never paints it)
    const wchar_t* accessible_name;  // for a control that shows content rather than its name; null: none
    DWORD style;
    DWORD ex_style;
    int left, top, width, height;
};

// Returns the dpi of `window` (of the system while the platform cannot tell one window's).
int WindowDpi(HWND window);

// Returns a font of the windows' face (MS Sans Serif), `points_x100` hundredths of a point high at `dpi`,
// of `weight`; raises a run-time error when it cannot be made.
UniqueFont MakeWindowFont(int points_x100, int weight, int dpi);

class FramedWindow {
public:
    FramedWindow(const FramedWindow&) = delete;
    FramedWindow& operator=(const FramedWindow&) = delete;

    // Returns the window, or null while there is none.
    HWND hwnd() const { return hwnd_.get(); }
    int dpi() const { return dpi_; }
    // Returns the child control `id`, or null while the window has none.
    HWND Control(int id) const;
    // Returns true when `message` was a dialog key (Tab, arrows, Enter, Esc) of this window and has been
    // handled.
    bool TranslateDialogKey(MSG& message);

protected:
    enum class Placement { kCentred, kSystemDefault };

    explicit FramedWindow(HINSTANCE instance) : instance_(instance) {}
    // Detaches the object from its window before destroying it, so that the going window reaches no
    // handler of an object that is partly gone.
    virtual ~FramedWindow();

    // Returns the message's result for every message but the shared ones (see WindowProc).
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) = 0;
    // Paints the owner-drawn control `item`.
    virtual void OnDrawItem(const DRAWITEMSTRUCT& item) = 0;
    // The window and its controls have been scaled to a new dpi: what else depends on it (fonts, sizes
    // the controls set themselves) is the derived window's to make anew.
    virtual void OnScaled() {}
    // The read-only text box `id` was double-clicked.
    virtual void OnDoubleClick(int /*id*/) {}
    // The window is gone, however it went (never while the object itself is being destroyed).
    virtual void OnDestroyed() {}

    HINSTANCE instance() const { return instance_; }
    // Registers the class `class_name` (once) and creates the hidden frame with `caption` around a
    // client area of `client_width` x `client_height` at 96 dpi scaled to `dpi`, owned by `owner`;
    // returns it. Raises a run-time error when either step fails.
    HWND CreateFrame(const wchar_t* class_name, const wchar_t* caption, int client_width, int client_height,
                     HWND owner, Placement placement, int dpi);
    // Creates the controls of `layouts` in their order (which is the tab order); a multi-line read-only
    // text box gives up Tab and Esc to the dialog keys and reports double-clicks. Raises a run-time error
    // when a control cannot be made.
    void CreateControls(std::span<const ControlLayout> layouts);
    // Scales the frame, every control and (through OnScaled) the rest from the designed sizes to `dpi`;
    // the frame takes `suggested` when the system gives one. Nothing happens at the dpi the window has.
    void ScaleTo(int dpi, const RECT* suggested = nullptr);
    // Returns MakeWindowFont at the window's dpi.
    UniqueFont MakeFont(int points_x100, int weight) const;
    // Sets `font` on control `id`.
    void SetControlFont(int id, const UniqueFont& font) const;
    // Returns the text of `window` (the frame or a control) as UTF-8; "" for none.
    static std::string TextOf(HWND window);
    // Sets the text of `window` (the frame or a control) to `text` (UTF-8); raises a run-time error when
    // the window refuses it.
    static void SetTextOf(HWND window, std::string_view text);
    int Scale(int pixels) const { return ::MulDiv(pixels, dpi_, 96); }
    // Destroys the window (OnDestroyed runs); nothing happens when there is none.
    void DestroyNow() { hwnd_.reset(); }

    // Paints `item` black with `picture` centred, and the focus rectangle while the control shows focus.
    void DrawPictureButton(const DRAWITEMSTRUCT& item, const Picture& picture) const;
    // Paints `picture` stretched over `item`.
    static void DrawStretched(const DRAWITEMSTRUCT& item, const Picture& picture);

private:
    struct Child {
        ControlLayout layout;
        HWND window;
    };

    // Stores "this" at WM_NCCREATE; answers WM_DRAWITEM (through OnDrawItem), WM_DPICHANGED, the colours
    // of read-only text boxes and of buttons itself; forwards the rest to HandleMessage.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    // A read-only text box's own messages: dialog keys and double-clicks.
    static LRESULT CALLBACK ReadOnlyBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                            UINT_PTR id, DWORD_PTR data);
    // Gives `control` `name` for assistive technology; best effort: where the system's annotation
    // service is missing the control keeps the name the system derives.
    void Annotate(HWND control, const wchar_t* name);
    // Removes the names given, before the controls go.
    void ClearAnnotations();

    HINSTANCE instance_;
    int dpi_ = 96;
    SIZE client_{};  // at 96 dpi
    UniqueWindow hwnd_;
    std::vector<Child> controls_;
    UniqueCom<IAccPropServices> annotations_;
};

// Keeps a window subclassed while it lives (comctl32's SetWindowSubclass); removed on reset.
class UniqueSubclass {
public:
    UniqueSubclass() = default;
    ~UniqueSubclass() { reset(); }
    UniqueSubclass(const UniqueSubclass&) = delete;
    UniqueSubclass& operator=(const UniqueSubclass&) = delete;

    // Removes the subclass held (if any); subclasses `window` with `proc` and `data` unless it is null.
    // Raises a run-time error when the subclass cannot be set.
    void reset(HWND window = nullptr, SUBCLASSPROC proc = nullptr, DWORD_PTR data = 0);

private:
    HWND window_ = nullptr;
    SUBCLASSPROC proc_ = nullptr;
};

}  // namespace vexar::win32
