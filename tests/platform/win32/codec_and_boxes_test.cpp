// The ANSI code page codec and real message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/fake/fake_platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_message_boxes.h"

namespace vexar::win32 {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

TEST(Win32CodecTest, HighBytesRoundTripAndWidenAgreesWithTheStringConversion) {
    const Win32Codec codec;
    std::string every_byte;
    for (int byte = 1; byte < 256; ++byte) every_byte.push_back(static_cast<char>(byte));
    if (!codec.IsSingleByte()) GTEST_SKIP() << "ANSI code page " << ::GetACP() << " is multi-byte";

    const std::u16string wide = codec.ToUtf16(every_byte);
    ASSERT_EQ(wide.size(), every_byte.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        EXPECT_EQ(wide[i], codec.Widen(static_cast<unsigned char>(every_byte[i]))) << "byte " << i + 1;
    }
    EXPECT_EQ(codec.FromUtf16(wide), every_byte);
    EXPECT_EQ(codec.ToUtf16(""), u"");
    EXPECT_EQ(codec.FromUtf16(u""), "");
}

TEST(Win32CodecTest, WesternCodePageMatchesTheTestDouble) {
    if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page is " << ::GetACP();
    const Win32Codec codec;
    const fake::FakeCodec windows_1252;
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(codec.Widen(static_cast<unsigned char>(byte)),
                  windows_1252.Widen(static_cast<unsigned char>(byte)))
            << "byte " << byte;
    }
    EXPECT_EQ(codec.FromUtf16(u"\u20AC \u4E2D"), "\x80 ?");  // a character the code page lacks: '?'
}

// The message box titled `title` (null: any title) that thread `thread` shows, waited for up to five
// seconds. Only that thread's windows are searched: other tests may show boxes with the same title.
HWND WaitForBox(DWORD thread, const std::wstring* title) {
    struct Search {
        const std::wstring* title;
        HWND found;
    } search{title, nullptr};
    const auto visit = [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        wchar_t text[256] = {};
        wchar_t class_name[16] = {};
        ::GetClassNameW(window, class_name, 16);
        ::GetWindowTextW(window, text, 256);
        if (std::wstring(class_name) != L"#32770" || (s->title && *s->title != text)) return TRUE;
        s->found = window;
        return FALSE;
    };
    for (int i = 0; i < 500 && !search.found; ++i) {
        ::EnumThreadWindows(thread, visit, reinterpret_cast<LPARAM>(&search));
        if (!search.found) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return search.found;
}

// What a box showed, and the button pressed on it.
struct SeenBox {
    std::wstring text;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool found = false;
};

// Shows a box through `boxes` while another thread reads it and presses `button`.
Answer ShowAndPress(Win32MessageBoxes& boxes, const std::string& text, const std::string& title,
                    const std::wstring& wide_title, Icon icon, Buttons buttons, int button, SeenBox& seen) {
    const DWORD shower = ::GetCurrentThreadId();
    std::thread presser([&] {
        HWND box = WaitForBox(shower, &wide_title);
        seen.found = box != nullptr;
        if (!box) box = WaitForBox(shower, nullptr);  // a box with a wrong title must not hang the test
        if (!box) return;
        wchar_t buffer[512] = {};
        ::GetDlgItemTextW(box, 0xFFFF, buffer, 512);
        seen.text = buffer;
        seen.owner = ::GetWindow(box, GW_OWNER);
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                seen.icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
            }
        }
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
    });
    Answer answer = Answer::kOk;
    try {
        answer = boxes.Show(text, title, icon, buttons);
    } catch (...) {
        presser.join();
        throw;
    }
    presser.join();
    return answer;
}

TEST(Win32MessageBoxesTest, ShowsTextTitleAndIconAndReturnsThePressedButton) {
    const Win32Codec codec;
    Win32MessageBoxes boxes(codec);
    SeenBox seen;
    const std::string text = "5 Invalid procedure call or argument in Private Sub PopulateList";
    EXPECT_EQ(ShowAndPress(boxes, text, "Error !", L"Error !", Icon::kCritical, Buttons::kOk, IDOK, seen),
              Answer::kOk);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, std::wstring(text.begin(), text.end()));
    EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_HAND)));

    seen = {};
    EXPECT_EQ(ShowAndPress(boxes, "Delete?", "Question", L"Question", Icon::kQuestion, Buttons::kYesNo, IDYES,
                           seen),
              Answer::kYes);
    EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_QUESTION)));
    seen = {};
    EXPECT_EQ(
        ShowAndPress(boxes, "Delete?", "Question", L"Question", Icon::kWarning, Buttons::kYesNo, IDNO, seen),
        Answer::kNo);
    EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_EXCLAMATION)));
    seen = {};
    EXPECT_EQ(
        ShowAndPress(boxes, "Plain", "VexarLaunch", L"VexarLaunch", Icon::kNone, Buttons::kOk, IDOK, seen),
        Answer::kOk);
    EXPECT_EQ(seen.icon, nullptr);
}

TEST(Win32MessageBoxesTest, ConvertsAnsiTextsAndUsesTheOwnerSet) {
    const Win32Codec codec;
    Win32MessageBoxes boxes(codec);
    const UniqueWindow owner(::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                               nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner);
    boxes.SetOwner(owner.get());
    const std::string title = "Caf\xE9 \x80";
    const std::u16string wide_title16 = codec.ToUtf16(title);
    const std::wstring wide_title(wide_title16.begin(), wide_title16.end());
    SeenBox seen;
    EXPECT_EQ(ShowAndPress(boxes, title, title, wide_title, Icon::kInformation, Buttons::kOk, IDOK, seen),
              Answer::kOk);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, wide_title);
    EXPECT_EQ(seen.owner, owner.get());
    EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_ASTERISK)));
}

}  // namespace
}  // namespace vexar::win32
