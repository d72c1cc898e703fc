#include "tools/probe/ProgressLine.h"

#include <cstdio>
#include <vector>

#include "jobs/JobHost.h"
#include "jobs/JobTexts.h"
#include "platform/os/TerminalWidth.h"
#include "platform/os/Translation.h"

using platform::FillText;

namespace {

// One character of UTF-8 text: its bytes and the columns it takes.
struct Glyph {
    std::string bytes;
    int columns = 1;
};

// East Asian wide and emoji ranges, which a terminal draws two columns wide.
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

// The text as a terminal would draw it. A control character, which could move the cursor
// or start an escape sequence, and a byte that is not UTF-8 each become a "?".
std::vector<Glyph> Glyphs(const std::string& text) {
    std::vector<Glyph> glyphs;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        bool valid = length != 0 && i + length <= text.size();
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid || c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            glyphs.push_back({"?", 1});
            i += valid ? length : 1;
            continue;
        }
        glyphs.push_back({text.substr(i, length), IsWide(c) ? 2 : 1});
        i += length;
    }
    return glyphs;
}

}  // namespace

int ProgressLine::Columns(const std::string& text) {
    int columns = 0;
    for (const Glyph& glyph : Glyphs(text)) {
        columns += glyph.columns;
    }
    return columns;
}

std::string ProgressLine::Fit(const std::string& text, int columns) {
    const std::vector<Glyph> glyphs = Glyphs(text);
    std::string whole;
    int used = 0;
    for (const Glyph& glyph : glyphs) {
        whole += glyph.bytes;
        used += glyph.columns;
    }
    if (columns <= 0 || used <= columns) {
        return whole;
    }
    const std::string ellipsis = columns > 3 ? "..." : "";
    std::string cut;
    used = 0;
    for (const Glyph& glyph : glyphs) {
        if (used + glyph.columns > columns - static_cast<int>(ellipsis.size())) {
            break;
        }
        cut += glyph.bytes;
        used += glyph.columns;
    }
    return cut + ellipsis;
}

std::string ProgressLine::Compose(const CThread::Probing& probing, bool search, int columns) {
    const std::string what = JobHost::Describe(probing);
    if (what.empty()) {
        return std::string();
    }
    const std::string remaining = search ? JobHost::Remaining(probing) : std::string();
    const auto line = [search](const std::string& target, const std::string& left) {
        if (!search) {
            //: %1 is the port and rate (COM2 at 19200 baud).
            return FillText(TrText("ProgressLine", "Connecting to %1..."), {target});
        }
        if (left.empty()) {
            //: %1 is what is probed (COM2 at 19200 baud).
            return FillText(TrText("ProgressLine", "Searching %1..."), {target});
        }
        //: %1 is what is probed (COM2 at 19200 baud), %2 how far the search is (probe 3 of
        //: 16, about 30 s left).
        return FillText(TrText("ProgressLine", "Searching %1 (%2)..."), {target, left});
    };
    // From the whole line to the least that still says what is probed and how long is left.
    std::vector<std::string> candidates{line(what, remaining)};
    const std::string bare = JobTexts::AtRate(probing.portName, probing.baud);
    if (probing.summary.empty() && bare != what) {
        candidates.push_back(line(bare, remaining));
        if (!remaining.empty()) {
            candidates.push_back(line(bare, JobHost::Remaining(probing, false)));
        }
    }
    if (columns <= 0) {
        return Fit(candidates.front(), 0);
    }
    // A line that fills the last column leaves some terminals at the start of the next.
    const int room = columns - 1;
    for (const std::string& candidate : candidates) {
        if (Columns(candidate) <= room) {
            return Fit(candidate, room);
        }
    }
    return room > 0 ? Fit(candidates.back(), room) : std::string();
}

void ProgressLine::Show(const CThread::Probing& probing) {
    const std::string text = Compose(probing, m_search, platform::ErrorStreamColumns());
    if (text.empty()) {
        return;
    }
    std::fprintf(stderr, "\r\033[K%s", text.c_str());
    std::fflush(stderr);
}

void ProgressLine::Clear() {
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
}
