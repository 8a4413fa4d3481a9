// The notice box as a user sees it: a watcher thread reads each real message
// box (caption, text, owner, buttons, icon) and answers it with a button.
#include <doctest/doctest.h>

#include "census_list.h"
#include "desktop.h"
#include "util/notice_box.h"
#include "util/window_census.h"

#include <optional>
#include <vector>

namespace {

const Text noticeText = "\xC7\xEB\xCF\xC8\xCA\xE4\xC8\xEB\xCA\xFD\xD7\xD6";   // 请先输入数字
const Text defaultCaption = "\xD3\xD1\xC7\xE9\xCC\xE1\xD0\xD1";         // 友情提醒
const Text givenCaption = "\xD7\xA2\xD2\xE2";                           // 注意

HWND MakeOwnerWindow()
{
    return CreateWindowExA(0, RegisterTestClass("NoticeTestWindow", DefWindowProcA), "notice owner",
                           WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

enum class Owner { ProcessWindow, None };

struct NoticeCase {
    std::string what;
    bool windowShown;                 // this process shows a window meanwhile
    std::optional<UINT> style;
    std::optional<Text> caption;
    std::optional<HWND> owner;
    int answer;                       // the button the watcher presses
    int want;
    std::string wantCaption;
    Owner wantOwner;
    std::vector<int> wantButtons;
    bool wantIcon;
};

const NoticeCase noticeCases[] = {
    {"only the text", true, {}, {}, {}, IDOK, 0, defaultCaption, Owner::ProcessWindow, {IDOK}, true},
    {"only the text, no window shown", false, {}, {}, {}, IDOK, 0, defaultCaption, Owner::None, {IDOK}, true},
    {"style 0", true, 0u, {}, {}, IDOK, 0, defaultCaption, Owner::ProcessWindow, {IDOK}, false},
    {"Yes of Yes/No", true, MB_YESNO | MB_ICONQUESTION, {}, {}, IDYES, 5, defaultCaption, Owner::ProcessWindow, {IDYES, IDNO}, true},
    {"No of Yes/No", true, MB_YESNO, {}, {}, IDNO, 6, defaultCaption, Owner::ProcessWindow, {IDYES, IDNO}, false},
    {"Cancel of OK/Cancel", true, MB_OKCANCEL, {}, {}, IDCANCEL, 1, defaultCaption, Owner::ProcessWindow, {IDOK, IDCANCEL}, false},
    {"a caption given", true, {}, givenCaption, {}, IDOK, 0, givenCaption, Owner::ProcessWindow, {IDOK}, true},
    {"a null owner given", true, {}, {}, HWND(nullptr), IDOK, 0, defaultCaption, Owner::None, {IDOK}, true},
};

} // namespace

TEST_CASE_FIXTURE(CensusList, "ShowNotice shows its defaults for what was left out and gives the button minus 1")
{
    for (const NoticeCase& c : noticeCases) {
        HWND window = c.windowShown ? MakeOwnerWindow() : nullptr;
        REQUIRE_MESSAGE((window != nullptr) == c.windowShown, c.what);

        StartBoxWatcher(GetCurrentProcessId(), c.answer);
        int result = ShowNotice(noticeText, c.style, c.caption, c.owner);
        std::vector<SeenBox> seen = StopBoxWatcher();
        if (window) DestroyWindow(window);

        CHECK_MESSAGE(result == c.want, c.what << ": result " << result);
        REQUIRE_MESSAGE(seen.size() == 1, c.what << ": " << seen.size() << " boxes");
        const SeenBox& box = seen.front();
        CHECK_MESSAGE(box.caption == c.wantCaption, c.what << ": caption '" << box.caption << "'");
        CHECK_MESSAGE(box.text == noticeText, c.what << ": text '" << box.text << "'");
        HWND wantOwner = c.wantOwner == Owner::ProcessWindow ? window : nullptr;
        CHECK_MESSAGE(box.owner == wantOwner, c.what << ": owner " << box.owner);
        CHECK_MESSAGE(box.buttons == c.wantButtons, c.what << ": " << box.buttons.size() << " buttons");
        CHECK_MESSAGE(box.hasIcon == c.wantIcon, c.what << ": icon " << box.hasIcon);
        CHECK_MESSAGE(WindowCensus->empty(), c.what);
    }
}

TEST_CASE_FIXTURE(CensusList, "ShowNotice gives -1 when MessageBoxA fails")
{
    // An owner that no longer exists: the system refuses to show the box.
    HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    REQUIRE(gone != nullptr);
    DestroyWindow(gone);

    StartBoxWatcher(GetCurrentProcessId(), IDOK);
    int result = ShowNotice(noticeText, std::nullopt, std::nullopt, gone);
    std::vector<SeenBox> seen = StopBoxWatcher();

    CHECK(result == -1);
    CHECK(seen.empty());
}
