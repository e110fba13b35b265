// Real message boxes: what each shows and that it answers with the button pressed; the code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_message_boxes.h"

namespace vexar::win32 {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// What a box shows: its text, its buttons and its icon.
struct Seen {
    std::wstring text;
    std::vector<int> buttons;
    HICON icon = nullptr;
    friend bool operator==(const Seen&, const Seen&) = default;
};

// Shows a box titled "Box" while another thread reads it and presses `button`.
Answer ShowAndPress(const std::string& text, Icon icon, Buttons buttons, int button, Seen& seen) {
    const DWORD shower = ::GetCurrentThreadId();
    std::thread presser([&] {
        HWND box = nullptr;
        for (int i = 0; i < 1000 && box == nullptr; ++i) {
            ::EnumThreadWindows(
                shower,
                [](HWND w, LPARAM found) {
                    wchar_t title[8] = {};
                    if (::GetWindowTextW(w, title, 8) && std::wstring(title) == L"Box")
                        *reinterpret_cast<HWND*>(found) = w;
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&box));
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        wchar_t shown[256] = {};
        ::GetDlgItemTextW(box, 0xFFFF, shown, 256);
        seen.text = shown;
        for (const int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
            if (::GetDlgItem(box, id) != nullptr) seen.buttons.push_back(id);
        }
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                seen.icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
            }
        }
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
    const Win32Codec codec;
    Win32MessageBoxes boxes(codec);
    const Answer answer = boxes.Show(text, "Box", icon, buttons);
    presser.join();
    return answer;
}

// The shared icon the system gives message boxes: 32513 critical, 32514 question, 32515 warning, 32516
// information.
HICON SystemIcon(int id) {
    return ::LoadIconW(nullptr, MAKEINTRESOURCEW(id));
}

TEST(Win32MessageBoxes, ShowTheirButtonsAndIconAndAnswerThePressedOne) {
    struct Row {
        Icon icon;
        Buttons buttons;
        int press;
        Answer answer;
        Seen seen;
    };
    const std::vector<Row> rows = {
        {Icon::kNone, Buttons::kOk, IDOK, Answer::kOk, {L"Caf\u00E9 \u20AC", {IDOK}, nullptr}},
        {Icon::kCritical, Buttons::kOk, IDOK, Answer::kOk, {L"Caf\u00E9 \u20AC", {IDOK}, SystemIcon(32513)}},
        {Icon::kInformation,
         Buttons::kOk,
         IDOK,
         Answer::kOk,
         {L"Caf\u00E9 \u20AC", {IDOK}, SystemIcon(32516)}},
        {Icon::kWarning, Buttons::kOk, IDOK, Answer::kOk, {L"Caf\u00E9 \u20AC", {IDOK}, SystemIcon(32515)}},
        {Icon::kQuestion,
         Buttons::kYesNo,
         IDYES,
         Answer::kYes,
         {L"Caf\u00E9 \u20AC", {IDYES, IDNO}, SystemIcon(32514)}},
        {Icon::kQuestion,
         Buttons::kYesNo,
         IDNO,
         Answer::kNo,
         {L"Caf\u00E9 \u20AC", {IDYES, IDNO}, SystemIcon(32514)}},
    };
    for (const Row& row : rows) {
        Seen seen;
        EXPECT_EQ(ShowAndPress("Caf\xE9 \x80", row.icon, row.buttons, row.press, seen), row.answer);
        EXPECT_TRUE(seen == row.seen) << static_cast<int>(row.icon) << " " << row.press;
    }
}

TEST(Win32MessageBoxes, ABoxThatCouldNotBeShownIsNeverYes) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_THROW(AnswerOf(0, Buttons::kYesNo), RuntimeError);
    EXPECT_EQ(AnswerOf(IDCANCEL, Buttons::kYesNo), Answer::kNo);
    EXPECT_EQ(AnswerOf(IDCANCEL, Buttons::kOk), Answer::kOk);
}

TEST(Win32Codec, ConvertsTextOfAnyLength) {
    const Win32Codec codec;
    ASSERT_TRUE(codec.IsSingleByte()) << "ANSI code page " << ::GetACP();
    for (const std::string& text :
         std::vector<std::string>{"", "a", "\x80", "Caf\xE9 \x80 " + std::string(300, 'x')}) {
        const std::u16string wide = codec.ToUtf16(text);
        ASSERT_EQ(wide.size(), text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            EXPECT_EQ(wide[i], codec.Widen(static_cast<unsigned char>(text[i])));
        EXPECT_EQ(codec.FromUtf16(wide), text);
    }
    EXPECT_EQ(codec.Widen(0x80), u'\u20AC');
    EXPECT_EQ(codec.FromUtf16(u"\u4E2D"), "?");  // a character the code page lacks
}

}  // namespace
}  // namespace vexar::win32
