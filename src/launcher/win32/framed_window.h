#pragma once
// FramedWindow: what the launcher's windows share - the fixed black tool-window frame around a client
// area scaled to the dpi, "this" kept with the window from WM_NCCREATE on, controls and fonts made to
// the design, owner-drawn pictures, and the read-only notes box's colours. Which controls there are,
// their messages and what they do are the derived window's.

#include <windows.h>

#include "launcher/win32/pictures.h"
#include "platform/win32/handles.h"

namespace vexar::win32 {

// One control as designed: geometry in pixels at 96 dpi.
template <typename Id>
struct ControlLayout {
    Id id;
    const wchar_t* window_class;
    DWORD style;
    DWORD ex_style;
    int left, top, width, height;
};

class FramedWindow {
public:
    FramedWindow(const FramedWindow&) = delete;
    FramedWindow& operator=(const FramedWindow&) = delete;

    // Returns the window, or null while there is none.
    HWND hwnd() const { return hwnd_.get(); }
    int dpi() const { return dpi_; }
    // Returns true when `message` was a dialog key (Tab, arrows, Enter, Esc) of this window and has been
    // handled.
    bool TranslateDialogKey(MSG& message);

protected:
    enum class Placement { kCentred, kSystemDefault };

    // `dpi` scales geometry, fonts and pictures (96, or a value below 1, gives the designed sizes).
    FramedWindow(HINSTANCE instance, int dpi);
    // A derived window destroys its window in its own destructor, while its Forget can still run; a window
    // still there at this point goes without reaching any handler.
    virtual ~FramedWindow();

    // Returns the message's result for every message but the shared ones (see WindowProc).
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) = 0;
    // Paints the owner-drawn control `item`.
    virtual void OnDrawItem(const DRAWITEMSTRUCT& item) = 0;
    // Returns the read-only notes box, which keeps the colours of an ordinary text box (null: none yet).
    virtual HWND NotesBox() const = 0;
    // Called when the window is gone, however it went, after hwnd_ has let go of it.
    virtual void Forget() = 0;

    // Registers the class `class_name` (once) and creates the hidden frame with `caption` around a
    // client area of `client_width` x `client_height` at 96 dpi, owned by `owner`; hwnd_ holds it from
    // WM_NCCREATE on. Returns the window; raises a run-time error when either step fails.
    HWND CreateFrame(const wchar_t* class_name, const wchar_t* caption, int client_width, int client_height,
                     HWND owner, Placement placement);
    // Returns the new child control `layout`, `height` high at 96 dpi; raises a run-time error when it
    // cannot be made.
    template <typename Id>
    HWND CreateControl(const ControlLayout<Id>& layout, int height) const {
        return CreateChild(static_cast<int>(layout.id), layout.window_class, layout.style, layout.ex_style,
                           RECT{layout.left, layout.top, layout.left + layout.width, layout.top + height});
    }
    // Returns a font of `face`, `points_x100` hundredths of a point high at the window's dpi, of
    // `weight`; raises a run-time error when it cannot be made.
    UniqueGdiObject MakeFont(const wchar_t* face, int points_x100, int weight) const;
    int Scale(int pixels) const { return ::MulDiv(pixels, dpi_, 96); }

    // Paints `item` black with `picture` centred, and the focus rectangle while the control shows focus.
    void DrawPictureButton(const DRAWITEMSTRUCT& item, const Picture& picture) const;
    // Paints `picture` stretched over `item`.
    static void DrawStretched(const DRAWITEMSTRUCT& item, const Picture& picture);
    // Returns the dialog code of a multi-line notes box (subclass `hwnd`) without Tab and Esc, which it
    // would keep for itself (and Esc would close the window): the dialog keys skip it and press nothing.
    static LRESULT NotesBoxDialogCode(HWND hwnd, WPARAM wparam, LPARAM lparam);

    HINSTANCE instance_;
    int dpi_;
    UniqueWindow hwnd_;

private:
    // Stores "this" at WM_NCCREATE; answers WM_DRAWITEM (through OnDrawItem), the notes box's
    // WM_CTLCOLORSTATIC and WM_CTLCOLORBTN (black) itself; forwards the rest to HandleMessage.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    // Returns the new child control; raises a run-time error when it cannot be made.
    HWND CreateChild(int id, const wchar_t* window_class, DWORD style, DWORD ex_style, RECT bounds) const;
};

}  // namespace vexar::win32
