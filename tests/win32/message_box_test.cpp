// Real message boxes: what each shows and that it answers with the button pressed; the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_message_boxes.h"

namespace vexar::win32 {
namespace {

using platform::Answer, platform::Buttons, platform::Icon;

// Shows a box while another thread reads it - "<text>|<button ids>|<icon>" - and presses `button`. A box
// not visible within 30 s is read and pressed all the same, found by its class alone (the desktop lock
// keeps other programs' boxes away), and what was seen begins with "late".
Answer ShowAndPress(Icon icon, Buttons buttons, int button, std::wstring& seen) {
    std::thread presser([&] {
        HWND box = nullptr;
        bool late = false;
        for (const ULONGLONG due = ::GetTickCount64() + 30000; !box || !(late || ::IsWindowVisible(box));
             ::Sleep(10))
            box = ::FindWindowW(L"#32770", (late = ::GetTickCount64() > due) ? nullptr : L"Box");
        wchar_t text[64] = {};
        ::GetDlgItemTextW(box, 0xFFFF, text, 64);
        seen = (late ? L"late: " : L"") + std::wstring(text) + L"|";
        for (const int id : {IDOK, IDCANCEL, IDYES, IDNO})
            seen += ::GetDlgItem(box, id) ? std::to_wstring(id) : L"";
        HICON shown_icon = nullptr;
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                shown_icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
        // The system's shared icons: 32513 critical, 32514 question, 32515 warning, 32516 information.
        for (int id = 32513; id <= 32516; ++id)
            if (shown_icon && shown_icon == ::LoadIconW(nullptr, MAKEINTRESOURCEW(id)))
                seen += L"|" + std::to_wstring(id);
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
    const Answer answer = Win32MessageBoxes().Show("Café ゲ", "Box", icon, buttons);
    presser.join();
    return answer;
}

TEST(Win32MessageBoxes, ShowTheirButtonsAndIconAndAnswerThePressedOne) {
    const std::vector<std::tuple<Icon, Buttons, int, Answer, std::wstring>> rows = {
        {Icon::kNone, Buttons::kOk, IDOK, Answer::kOk, L"Café ゲ|1"},
        {Icon::kCritical, Buttons::kOk, IDOK, Answer::kOk, L"Café ゲ|1|32513"},
        {Icon::kInformation, Buttons::kOk, IDOK, Answer::kOk, L"Café ゲ|1|32516"},
        {Icon::kWarning, Buttons::kOk, IDOK, Answer::kOk, L"Café ゲ|1|32515"},
        {Icon::kQuestion, Buttons::kYesNo, IDYES, Answer::kYes, L"Café ゲ|67|32514"},
        {Icon::kQuestion, Buttons::kYesNo, IDNO, Answer::kNo, L"Café ゲ|67|32514"}};
    for (const auto& [icon, buttons, press, answer, shown] : rows) {
        std::wstring seen;
        EXPECT_EQ(ShowAndPress(icon, buttons, press, seen), answer);
        EXPECT_EQ(seen, shown);
        if (seen.starts_with(L"late")) break;  // the next ones would be late too
    }
    // A box that could not be shown is never Yes.
    EXPECT_THROW(AnswerOf(0, Buttons::kYesNo), RuntimeError);
    EXPECT_EQ(AnswerOf(IDCANCEL, Buttons::kYesNo), Answer::kNo);
}

// A character lacks when it does not come back from the code page unchanged: no best-fit look-alike ("A"
// for "Ā"), an unpaired surrogate of a file name lacks too; each is named once, in the order of the text.
TEST(Win32Codec, NamesWhatTheCodePageLacks) {
    if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP();
    const Win32Codec codec;
    EXPECT_EQ(codec.FromUtf8("Āb").lacking, "Ā");
    EXPECT_EQ(codec.FromUtf8("Ω ゲΩ𝄞 \xED\xA0\x80").lacking, "Ωゲ𝄞\xED\xA0\x80");
    EXPECT_EQ(codec.FromUtf8("").bytes + codec.ToUtf8(""), "");
}

}  // namespace
}  // namespace vexar::win32
