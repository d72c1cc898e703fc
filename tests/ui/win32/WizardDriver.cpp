// Drives brinevane-setup.exe as a user at the keyboard would, under Wine: starts it, waits
// for each page or box, checks what it shows, photographs it, and presses Enter (the
// default button: Next, Finish or OK) by posting the keys to the focused control of the
// wizard's thread. Exits 0 when the run went as expected, else 1 with the reason.
//   WizardDriver SETUP.EXE found|nothing SHOTDIR
//   found:   the search finds COM2 at 19200, Next connects, Finish ends with 0
//   nothing: no port answers; both failures show their boxes; the program ends with 1
//   starts:  the wizard comes up with its version in the title; Escape cancels it (0)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

void ExpectBox(const char* text, const char* shot) {
    std::string message;
    WaitFor(text, [&message] { return MessageBoxWindow(&message); });
    if (message.rfind(text, 0) != 0) {
        Fail("the box says \"" + message + "\", not \"" + text + "\"");
    }
    Shot(shot);
    PressEnter();
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
    if (argc != 4) {
        std::fprintf(stderr, "usage: WizardDriver SETUP.EXE found|nothing|starts SHOTDIR\n");
        return 2;
    }
    const std::string scenario = argv[2];
    g_shots = argv[3];
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
        Shot("01-intro");
        PressEnter();
        HWND progress = WaitFor("search progress", [] { return Progress(); });
        if (Text(progress) != "Searching...") {
            Fail("the search's title is \"" + Text(progress) + "\"");
        }
        Shot("02-search-progress");
        HWND page = WaitFor(
            "settings page", [] { return Progress() ? nullptr : PageWith(1006); }, 120000);
        if (ComboText(page, 1006) != "COM2" || ComboText(page, 1007) != "19200") {
            Fail("the settings page shows " + ComboText(page, 1006) + " at " +
                 ComboText(page, 1007) + ", not COM2 at 19200");
        }
        Shot("03-settings");
        PressEnter();
        HWND finish = WaitFor("finish page", [] { return Progress() ? nullptr : PageWith(1014); });
        if (IsWindowEnabled(GetDlgItem(Sheet(), IDCANCEL))) {
            Fail("Cancel is enabled on the finish page");
        }
        if (Text(GetDlgItem(finish, 1014)).find("answered on COM2 (") == std::string::npos ||
            Text(GetDlgItem(finish, 1014)).find(") at 19200 baud") == std::string::npos) {
            Fail("the finish page says: " + Text(GetDlgItem(finish, 1014)));
        }
        Shot("05-finish");
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
        ExpectBox("No Brinevane ADCPs were detected!", "06-search-failed");
        HWND page = WaitFor("settings page", [] { return Progress() ? nullptr : PageWith(1006); });
        if (!ComboText(page, 1006).empty() || !ComboText(page, 1007).empty()) {
            Fail("a failed search chose " + ComboText(page, 1006) + " at " + ComboText(page, 1007));
        }
        PressEnter();
        ExpectBox("Error during programming!", "07-connection-failed");
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
