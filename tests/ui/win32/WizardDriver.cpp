// Drives brinevane-setup.exe as a user at the keyboard would, under Wine: starts it, waits
// for each page or box, checks what it shows, photographs it, and presses Enter (the
// default button: Next, Finish or OK) by posting the keys to the focused control of the
// wizard's thread. On every page and box it checks that no text is cut at the screen's DPI,
// that dialogs and boxes come up over the wizard, and that the wizard has the focus back
// once a box is closed. Exits 0 when the run went as expected, else 1 with the reason.
//   WizardDriver SETUP.EXE found|nothing|starts SHOTDIR [quick] [connection]
//   found:   the search finds COM2 at 19200 (quick: the quick search), the port list shows
//            the devices, About says who made it; Next connects (connection: its progress
//            is photographed, for an instrument slow to answer); Tab reaches the finish
//            text, and Enter still finishes, with 0
//   nothing: only a silent COM1; both failures show their boxes; a wrong network address
//            is offered again as typed; the program ends with 1
//   starts:  the wizard comes up with its version in the title; Escape cancels it (0)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/os/Translation.h"
#include "platform/os/UserLanguage.h"
#include "translations/Catalog.h"
#include "ui/wizard/WizardStrings.h"

namespace {

PROCESS_INFORMATION g_process{};
std::string g_shots;

void Shot(const char* name);

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "WizardDriver: %s\n", why.c_str());
    static bool failing = false;
    if (!failing) {
        failing = true;
        Shot("failure");  // what the user would have seen, for the log's reader
    }
    if (g_process.hProcess != nullptr) {
        TerminateProcess(g_process.hProcess, 99);
    }
    std::exit(1);
}

std::string Text(HWND window) {
    // Asked of the window itself: a combo box's text is its edit field's.
    wchar_t buffer[1024] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK,
                        5000, &copied);
    char narrow[2048] = "";
    WideCharToMultiByte(CP_UTF8, 0, buffer, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (pid == g_process.dwProcessId && IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Polls for up to timeoutMs until find gives a window.
template <typename Find>
HWND WaitFor(const char* what, Find find, DWORD timeoutMs = 30000) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND window = find()) {
            Sleep(300);  // let it finish painting
            return window;
        }
        DWORD code = 0;
        if (GetExitCodeProcess(g_process.hProcess, &code) && code != STILL_ACTIVE) {
            Fail(std::string("the wizard ended (") + std::to_string(code) + ") while waiting for " +
                 what);
        }
        Sleep(50);
    }
    Fail(std::string("no ") + what + " within " + std::to_string(timeoutMs / 1000) + " s");
}

HWND Sheet() {
    for (HWND window : TopLevelWindows()) {
        // Only a property sheet knows its current page.
        if (SendMessageW(window, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) {
            return window;
        }
    }
    return nullptr;
}

// The page now shown, when it has the control id.
HWND PageWith(int id) {
    HWND sheet = Sheet();
    if (sheet == nullptr || !IsWindowEnabled(sheet)) {
        return nullptr;
    }
    HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return page != nullptr && GetDlgItem(page, id) != nullptr ? page : nullptr;
}

HWND Progress() {
    for (HWND window : TopLevelWindows()) {
        if (GetDlgItem(window, 1005) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

// A message box: a dialog captioned with the program's name, not the sheet.
HWND MessageBoxWindow(std::string* message) {
    for (HWND window : TopLevelWindows()) {
        if (ClassOf(window) == "#32770" && Text(window) == "brinevane-setup") {
            for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (ClassOf(child) == "Static" && !Text(child).empty()) {
                    *message = Text(child);
                }
            }
            return window;
        }
    }
    return nullptr;
}

void PressEnter() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(g_process.dwThreadId, &info) ||
        (info.hwndFocus == nullptr && info.hwndActive == nullptr)) {
        Fail("the wizard has no focused window to type into");
    }
    HWND target = info.hwndFocus != nullptr ? info.hwndFocus : info.hwndActive;
    PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(target, WM_CHAR, '\r', 0x001C0001);
    PostMessageW(target, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
}

// A PNG of the screen around the wizard's windows: stored (uncompressed) deflate blocks.
class Png {
  public:
    static void Write(const std::string& path, int width, int height,
                      const std::vector<unsigned char>& rgb) {
        std::vector<unsigned char> raw;
        for (int y = 0; y < height; ++y) {
            raw.push_back(0);
            raw.insert(raw.end(), rgb.begin() + y * width * 3, rgb.begin() + (y + 1) * width * 3);
        }
        std::vector<unsigned char> z{0x78, 0x01};
        for (std::size_t pos = 0; pos < raw.size(); pos += 65535) {
            const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
            z.push_back(pos + n == raw.size() ? 1 : 0);
            z.push_back(n & 0xFF);
            z.push_back(n >> 8);
            z.push_back(~n & 0xFF);
            z.push_back((~n >> 8) & 0xFF);
            z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        }
        unsigned a = 1, b = 0;
        for (unsigned char c : raw) {
            a = (a + c) % 65521;
            b = (b + a) % 65521;
        }
        Put32(z, (b << 16) | a);
        std::vector<unsigned char> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        std::vector<unsigned char> header;
        Put32(header, width);
        Put32(header, height);
        header.insert(header.end(), {8, 2, 0, 0, 0});
        Chunk(out, "IHDR", header);
        Chunk(out, "IDAT", z);
        Chunk(out, "IEND", {});
        FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            Fail("cannot write " + path);
        }
        std::fwrite(out.data(), 1, out.size(), file);
        std::fclose(file);
    }

  private:
    static void Put32(std::vector<unsigned char>& v, unsigned x) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            v.push_back((x >> shift) & 0xFF);
        }
    }
    static void Chunk(std::vector<unsigned char>& out, const char* kind,
                      const std::vector<unsigned char>& body) {
        Put32(out, static_cast<unsigned>(body.size()));
        std::vector<unsigned char> crcd(kind, kind + 4);
        crcd.insert(crcd.end(), body.begin(), body.end());
        out.insert(out.end(), crcd.begin(), crcd.end());
        unsigned crc = 0xFFFFFFFFu;
        for (unsigned char c : crcd) {
            crc ^= c;
            for (int k = 0; k < 8; ++k) {
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
            }
        }
        Put32(out, ~crc);
    }
};

void Shot(const char* name) {
    RECT all{};
    bool first = true;
    for (HWND window : TopLevelWindows()) {
        RECT r{};
        GetWindowRect(window, &r);
        if (first) {
            all = r;
            first = false;
        } else {
            UnionRect(&all, &all, &r);
        }
    }
    const int width = all.right - all.left, height = all.bottom - all.top;
    if (first || width <= 0 || height <= 0) {
        Fail(std::string("nothing to photograph for ") + name);
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, all.left, all.top, SRCCOPY);
    GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> rgb;
    for (int y = 0; y < height; ++y) {
        const auto* row = static_cast<const unsigned char*>(bits) + y * stride;
        for (int x = 0; x < width; ++x) {
            rgb.insert(rgb.end(), {row[x * 3 + 2], row[x * 3 + 1], row[x * 3]});
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    Png::Write(g_shots + "\\" + name + ".png", width, height, rgb);
}

std::string ComboText(HWND page, int id) {
    return Text(GetDlgItem(page, id));
}

void PostKey(WPARAM key) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(g_process.dwThreadId, &info);
    HWND target = info.hwndFocus != nullptr ? info.hwndFocus : info.hwndActive;
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
}

HWND Focused() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(g_process.dwThreadId, &info);
    return info.hwndFocus;
}

// The wizard is the active window again, so that keys reach it.
void ExpectWizardActive(const std::string& after) {
    WaitFor(("the wizard active after " + after).c_str(),
            [] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                GetGUIThreadInfo(g_process.dwThreadId, &info);
                HWND sheet = Sheet();
                return sheet != nullptr && info.hwndActive == sheet && info.hwndFocus != nullptr &&
                               IsChild(sheet, info.hwndFocus)
                           ? sheet
                           : nullptr;
            },
            5000);
}

// A dialog or box comes up over the wizard, not elsewhere on the screen.
void ExpectOverWizard(HWND window, const std::string& what) {
    RECT box{}, sheet{};
    GetWindowRect(window, &box);
    GetWindowRect(Sheet(), &sheet);
    const int dx = (box.left + box.right) / 2 - (sheet.left + sheet.right) / 2;
    const int dy = (box.top + box.bottom) / 2 - (sheet.top + sheet.bottom) / 2;
    if (std::abs(dx) > 2 || std::abs(dy) > 2) {
        Fail(what + " is " + std::to_string(dx) + "," + std::to_string(dy) +
             " px off the wizard's centre");
    }
}

// Every text of a dialog fits its control, measured in the dialog font at the screen's DPI:
// a single line within its width, wrapped text within its height.
void ExpectNoCutText(HWND dialog, const std::string& where) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg");
    HGDIOBJ old = SelectObject(screen, font);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassOf(child);
        const std::string text = Text(child);
        if (!IsWindowVisible(child) || text.empty() ||
            (kind != "Static" && kind != "Button" && kind != "Edit")) {
            continue;
        }
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        RECT client{};
        GetClientRect(child, &client);
        wchar_t wide[1024] = L"";
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide, 1024);
        UINT format = DT_CALCRECT;
        int room = client.right;
        bool wraps = false;
        if (kind == "Button") {
            const LONG type = style & BS_TYPEMASK;
            if (type == BS_GROUPBOX) {
                continue;
            }
            const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
            room -= MulDiv(box ? 16 : 6, dpi, 96);  // the box and its gap; a button's edges
            wraps = (style & BS_MULTILINE) != 0;
            format |= wraps ? DT_WORDBREAK : DT_SINGLELINE;
        } else if (kind == "Edit") {
            format |= DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
            wraps = true;
        } else {
            format |= (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
            format |= (style & SS_EDITCONTROL) != 0 ? DT_EDITCONTROL : 0;
            wraps = (style & (SS_ENDELLIPSIS | SS_CENTERIMAGE)) == 0;
            format |= wraps ? DT_WORDBREAK : DT_SINGLELINE;
        }
        RECT need{0, 0, room, 0};
        DrawTextW(screen, wide, -1, &need, format);
        if (need.right > room || (wraps && need.bottom > client.bottom)) {
            Fail(where + " at " + std::to_string(dpi) + " dpi: \"" + text + "\" needs " +
                 std::to_string(need.right) + "x" + std::to_string(need.bottom) + " px, has " +
                 std::to_string(room) + "x" + std::to_string(client.bottom));
        }
    }
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
}

HWND Current() {
    return reinterpret_cast<HWND>(SendMessageW(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::string ExpectBox(const std::string& text, const char* shot) {
    std::string message;
    HWND box = WaitFor(text.c_str(), [&message] { return MessageBoxWindow(&message); });
    if (message.rfind(text, 0) != 0) {
        Fail("the box says \"" + message + "\", not \"" + text + "\"");
    }
    ExpectOverWizard(box, std::string("the box \"") + text + "\"");
    if (shot != nullptr) {
        Shot(shot);
    }
    PressEnter();
    return message;
}

HWND DialogWith(int id) {
    for (HWND window : TopLevelWindows()) {
        if (window != Sheet() && GetDlgItem(window, id) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

// About, from the system menu: the same texts as the other view's box, over the wizard.
void CheckAbout() {
    PostMessageW(Sheet(), WM_SYSCOMMAND, 16, 0);
    HWND about = WaitFor("About box", [] { return DialogWith(1017); });
    const std::string copyright = Text(GetDlgItem(about, 1022));
    if (copyright.find(TrText("WizardStrings", WZ_ABOUT_COPYRIGHT)) == std::string::npos ||
        copyright.find(TrText("WizardStrings", WZ_ABOUT_LICENCE)) == std::string::npos ||
        Text(GetDlgItem(about, 1023)).rfind("http", 0) != 0) {
        Fail("the About box says: " + copyright + " / " + Text(GetDlgItem(about, 1023)));
    }
    ExpectOverWizard(about, "the About box");
    ExpectNoCutText(about, "the About box");
    Shot("08-about");
    PressEnter();
    ExpectWizardActive("the About box");
}

// Add network port...: the scheme is offered with the caret after it; a wrong address is
// said why, and offered again as typed.
void CheckNetworkPortRetry() {
    PostMessageW(GetDlgItem(Current(), 1013), BM_CLICK, 0, 0);
    HWND dialog = WaitFor("network port dialog", [] { return DialogWith(1019); });
    HWND field = GetDlgItem(dialog, 1019);
    DWORD from = 0, to = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    if (Text(field) != "rfc2217://" || from != 10 || to != 10) {
        Fail("the network port dialog offers \"" + Text(field) + "\" selected " +
             std::to_string(from) + "-" + std::to_string(to));
    }
    ExpectOverWizard(dialog, "the network port dialog");
    ExpectNoCutText(dialog, "the network port dialog");
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"portserver"));
    PressEnter();
    ExpectBox(TrText("WizardStrings", WZ_NETWORK_PORT_NOT_ADDED), nullptr);
    dialog = WaitFor("network port dialog again", [] { return DialogWith(1019); });
    if (Text(GetDlgItem(dialog, 1019)) != "portserver") {
        Fail("the network port dialog offers \"" + Text(GetDlgItem(dialog, 1019)) +
             "\" again, not what was typed");
    }
    PostKey(VK_ESCAPE);
    ExpectWizardActive("the network port dialog");
}

DWORD WaitForExit() {
    if (WaitForSingleObject(g_process.hProcess, 15000) != WAIT_OBJECT_0) {
        Fail("the wizard did not end");
    }
    DWORD code = 0;
    GetExitCodeProcess(g_process.hProcess, &code);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: WizardDriver SETUP.EXE found|nothing|starts SHOTDIR [quick] "
                     "[connection]\n");
        return 2;
    }
    // The wizard is DPI-aware: so is its driver, or the system would scale every position
    // and picture the driver takes of it.
    SetProcessDPIAware();
    // The wizard speaks the user's language: what it is expected to say is read in it too.
    Catalog::Use(UserLanguage::Current());
    const std::string scenario = argv[2];
    g_shots = argv[3];
    bool quick = false, connectionShot = false;
    for (int i = 4; i < argc; ++i) {
        quick = quick || std::string(argv[i]) == "quick";
        connectionShot = connectionShot || std::string(argv[i]) == "connection";
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = std::string("\"") + argv[1] + "\"";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &g_process)) {
        Fail(std::string("cannot start ") + argv[1]);
    }
    WaitForInputIdle(g_process.hProcess, 10000);

    WaitFor("wizard", [] { return PageWith(1003); });
    // The version follows the page's caption once the first page is in place.
    WaitFor(
        "version in the title",
        [] {
            HWND sheet = Sheet();
            return sheet != nullptr && Text(sheet).find(" v. ") != std::string::npos ? sheet
                                                                                     : nullptr;
        },
        5000);
    if (scenario == "found") {
        ExpectNoCutText(PageWith(1003), "the first page");
        Shot("01-intro");
        if (quick) {
            SendMessageW(GetDlgItem(PageWith(1003), 1011), BM_CLICK, 0, 0);
        }
        PressEnter();
        HWND progress = WaitFor("search progress", [] { return Progress(); });
        if (Text(progress) != TrText("JobHost", "Searching...")) {
            Fail("the search's title is \"" + Text(progress) + "\"");
        }
        ExpectOverWizard(progress, "the search's progress");
        Shot("02-search-progress");
        HWND page = WaitFor(
            "settings page", [] { return Progress() ? nullptr : PageWith(1006); }, 120000);
        if (ComboText(page, 1006) != "COM2" || ComboText(page, 1007) != "19200") {
            Fail("the settings page shows " + ComboText(page, 1006) + " at " +
                 ComboText(page, 1007) + ", not COM2 at 19200");
        }
        ExpectWizardActive("the search");
        // The port's device under the list, and every entry's beside its name in the list.
        if (Text(GetDlgItem(page, 1012)).rfind("\\\\.\\COM2", 0) != 0) {
            Fail("the settings page says of COM2: " + Text(GetDlgItem(page, 1012)));
        }
        wchar_t entry[256] = L"";
        SendMessageW(GetDlgItem(page, 1006), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
        if (std::wstring(entry) != L"COM2    \\\\.\\COM2") {
            Fail("the port list's second entry does not name its device");
        }
        ExpectNoCutText(page, "the settings page");
        Shot("03-settings");
        PostMessageW(GetDlgItem(page, 1006), CB_SHOWDROPDOWN, TRUE, 0);
        Sleep(500);
        Shot("03-settings-ports");
        PostMessageW(GetDlgItem(page, 1006), CB_SHOWDROPDOWN, FALSE, 0);
        Sleep(300);
        if (ComboText(page, 1006) != "COM2") {
            Fail("the port field shows \"" + ComboText(page, 1006) + "\", not the name alone");
        }
        CheckAbout();
        PressEnter();
        if (connectionShot) {
            HWND connecting = WaitFor(
                "connection progress", [] { return Progress(); }, 10000);
            ExpectOverWizard(connecting, "the connection's progress");
            Shot("04-connection-progress");
        }
        HWND finish = WaitFor("finish page", [] { return Progress() ? nullptr : PageWith(1014); });
        if (IsWindowEnabled(GetDlgItem(Sheet(), IDCANCEL))) {
            Fail("Cancel is enabled on the finish page");
        }
        HWND text = GetDlgItem(finish, 1014);
        // "... answered on COM2 (DEVICE) at 19200 baud.", in the language in use.
        const std::string answered = platform::FillText(
            TrText("FinishPage", "Your Brinevane ADCP answered on %1 at %2 baud."),
            {"COM2 (", "19200"});
        const std::size_t device = answered.find("COM2 (") + 6;
        if (Text(text).find(answered.substr(0, device)) == std::string::npos ||
            Text(text).find(")" + answered.substr(device)) == std::string::npos) {
            Fail("the finish page says: " + Text(text));
        }
        ExpectWizardActive("the connection");
        ExpectNoCutText(finish, "the finish page");
        Shot("05-finish");
        // The text is reached with Tab, selected whole to be copied; once it is clicked as
        // well, Enter still presses Finish.
        std::string reached;
        for (int tabs = 0; tabs < 8 && (tabs == 0 || Focused() != text); ++tabs) {
            PostKey(VK_TAB);
            Sleep(200);
            reached += " " + ClassOf(Focused()) + ":" + std::to_string(GetDlgCtrlID(Focused()));
        }
        DWORD from = 0, to = 0;
        SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        if (Focused() != text || to <= from) {
            Fail("Tab does not reach the finish page's text, or it is not selected; it went" +
                 reached);
        }
        PostMessageW(text, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        PostMessageW(text, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Sleep(300);
        PressEnter();
        const DWORD code = WaitForExit();
        if (code != 0) {
            Fail("Finish ended the wizard with " + std::to_string(code));
        }
    } else if (scenario == "starts") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(g_process.dwThreadId, &info);
        HWND target = info.hwndFocus != nullptr ? info.hwndFocus : Sheet();
        PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageW(target, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001u));
        const DWORD code = WaitForExit();
        if (code != 0) {
            Fail("Escape ended the wizard with " + std::to_string(code));
        }
    } else if (scenario == "nothing") {
        PressEnter();
        // What each port did, under the fixed first line, and beside the port in the list.
        const std::string said =
            ExpectBox(TrText("JobHost", "No Brinevane ADCPs were detected!"), "06-search-failed");
        if (said.find("\nCOM1: nothing came back") == std::string::npos) {
            Fail("the failed search's box does not say what COM1 did: " + said);
        }
        HWND page = WaitFor("settings page", [] { return Progress() ? nullptr : PageWith(1006); });
        wchar_t entry[512] = L"";
        SendMessageW(GetDlgItem(page, 1006), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
        if (std::wstring(entry).find(L"(search: nothing came back)") == std::wstring::npos) {
            Fail("the port list does not say what the search made of COM1");
        }
        if (!ComboText(page, 1006).empty() || !ComboText(page, 1007).empty()) {
            Fail("a failed search chose " + ComboText(page, 1006) + " at " + ComboText(page, 1007));
        }
        ExpectWizardActive("the failed search's box");
        CheckNetworkPortRetry();
        PressEnter();
        ExpectBox(TrText("JobHost", "Error during programming!"), "07-connection-failed");
        const DWORD code = WaitForExit();
        if (code != 1) {
            Fail("a failed connection ended the wizard with " + std::to_string(code));
        }
    } else {
        Fail("unknown scenario " + scenario);
    }
    std::printf("WizardDriver: %s passed\n", scenario.c_str());
    return 0;
}
