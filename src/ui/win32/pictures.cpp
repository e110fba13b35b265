// Loading and drawing the module's pictures.
#include "ui/win32/pictures.h"

#include "ui/win32/late_calls.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "platform/errors.h"
#include "platform/win32/error_map.h"
#include "ui/win32/gdi.h"

namespace vexar::win32 {

namespace {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (::GetObjectW(bitmap, sizeof info, &info) == 0) RaiseLastError();
    return {info.bmWidth, info.bmHeight};
}

Picture Own(HBITMAP bitmap) {
    Picture picture;
    picture.bitmap.reset(bitmap);
    picture.size = BitmapSize(bitmap);
    return picture;
}

}  // namespace

OleSession::OleSession() : ok_(SUCCEEDED(late::OleInitialize())) {}

OleSession::~OleSession() {
    if (ok_) late::OleUninitialize();
}

Picture LoadBitmapPicture(HINSTANCE instance, int id) {
    HANDLE loaded = ::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (loaded == nullptr) RaiseLastError();
    return Own(static_cast<HBITMAP>(loaded));
}

Picture LoadJpegPicture(HINSTANCE instance, int id) {
    HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (found == nullptr) RaiseLastError();
    const DWORD length = ::SizeofResource(instance, found);
    HGLOBAL resource = ::LoadResource(instance, found);
    const void* bytes = resource != nullptr ? ::LockResource(resource) : nullptr;
    if (bytes == nullptr || length == 0) RaiseLastError();

    // The stream reads from its own movable copy and frees it when released.
    UniqueGlobal copy(::GlobalAlloc(GMEM_MOVEABLE, length));
    if (!copy) RaiseLastError();
    void* target = ::GlobalLock(copy.get());
    if (target == nullptr) RaiseLastError();
    std::memcpy(target, bytes, length);
    ::GlobalUnlock(copy.get());

    IStream* raw_stream = nullptr;
    if (FAILED(late::CreateStreamOnHGlobal(copy.get(), TRUE, &raw_stream))) Raise(kErrOutOfMemory);
    copy.release();
    UniqueCom<IStream> stream(raw_stream);

    void* raw_picture = nullptr;
    if (FAILED(late::OleLoadPicture(stream.get(), static_cast<LONG>(length), FALSE, IID_IPicture,
                                    &raw_picture))) {
        Raise(kErrInternal);
    }
    UniqueCom<IPicture> picture(static_cast<IPicture*>(raw_picture));
    OLE_HANDLE handle = 0;
    short type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture.get()->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(picture.get()->get_Handle(&handle))) {
        Raise(kErrInternal);
    }
    // The picture object owns its bitmap: keep a copy of our own.
    HANDLE copied = ::CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0,
                                LR_CREATEDIBSECTION);
    if (copied == nullptr) RaiseLastError();
    return Own(static_cast<HBITMAP>(copied));
}

void DrawPicture(HDC dc, const Picture& picture, const RECT& target) {
    const UniqueDc memory(::CreateCompatibleDC(dc));
    if (!memory) return;
    const SelectedObject selected(memory.get(), picture.bitmap.get());
    const int old_mode = ::SetStretchBltMode(dc, HALFTONE);
    POINT old_origin{};
    ::SetBrushOrgEx(dc, 0, 0, &old_origin);
    ::StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
                 memory.get(), 0, 0, picture.size.cx, picture.size.cy, SRCCOPY);
    ::SetBrushOrgEx(dc, old_origin.x, old_origin.y, nullptr);
    ::SetStretchBltMode(dc, old_mode);
}

RECT CentredRect(const RECT& area, SIZE size, int dpi) {
    const int width = ::MulDiv(size.cx, dpi, 96);
    const int height = ::MulDiv(size.cy, dpi, 96);
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace vexar::win32
