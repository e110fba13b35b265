#pragma once
// Pictures carried as resources of the running module: loading (bitmaps by the system, JPEG through OLE
// picture loading) and drawing scaled onto a device context. Which picture a control shows is the window's.

#include <windows.h>

#include "platform/win32/handles.h"

namespace vexar::win32 {

// OLE on this thread while the object lives (JPEG pictures are decoded through it).
class OleSession {
public:
    OleSession();
    ~OleSession();
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool ok_;
};

// A picture as a device-independent bitmap that the owner deletes.
struct Picture {
    UniqueBitmap bitmap;
    SIZE size{};
};

// Returns the BITMAP resource `id` of `instance` at its own size; raises a run-time error when missing.
Picture LoadBitmapPicture(HINSTANCE instance, int id);

// Returns the JPEG held as RCDATA resource `id` of `instance`, decoded by OLE (COM must be initialised
// on this thread); raises a run-time error when it is missing or cannot be decoded.
Picture LoadJpegPicture(HINSTANCE instance, int id);

// Draws `picture` stretched to `target` (HALFTONE, so that scaled pictures stay smooth).
void DrawPicture(HDC dc, const Picture& picture, const RECT& target);

// Returns the rectangle of `size` scaled by dpi/96, centred in `area`.
RECT CentredRect(const RECT& area, SIZE size, int dpi);

}  // namespace vexar::win32
