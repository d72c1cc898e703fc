#include "jobs/PortVerdict.h"

#include <algorithm>

#include "jobs/PromptAtRest.h"
#include "jobs/RateRanking.h"
#include "platform/os/Translation.h"
#include "serial/BaudRates.h"

using platform::FillText;

namespace {

using Try = SearchRecord::Try;

// What a quote of another device's words keeps.
constexpr std::size_t kQuoteLimit = 60;
// The printable characters that make what was heard readable text, not a lucky run of
// garbage.
constexpr std::size_t kTextMinimum = 12;

bool Printable(unsigned char byte) {
    return byte >= 0x20 && byte < 0x7F;
}

std::size_t PrintableCount(const std::string& heard) {
    return static_cast<std::size_t>(std::count_if(heard.begin(), heard.end(), [](char c) {
        return Printable(static_cast<unsigned char>(c));
    }));
}

// Text as a device writes it: printable characters and line ends, nearly all of it.
bool Readable(const std::string& heard) {
    const auto text = std::count_if(heard.begin(), heard.end(), [](char c) {
        return IsTextByte(static_cast<unsigned char>(c));
    });
    return PrintableCount(heard) >= kTextMinimum &&
           static_cast<std::size_t>(text) * 10 >= heard.size() * 9;
}

// The printable words, line ends and runs of blanks made one space, cut to the limit.
std::string Quote(const std::string& heard) {
    std::string quote;
    for (const char c : heard) {
        const auto byte = static_cast<unsigned char>(c);
        if (Printable(byte) && byte != ' ') {
            quote += c;
        } else if (!quote.empty() && quote.back() != ' ' && (byte == ' ' || IsTextByte(byte))) {
            quote += ' ';
        }
        if (quote.size() >= kQuoteLimit) {
            break;
        }
    }
    while (!quote.empty() && quote.back() == ' ') {
        quote.pop_back();
    }
    return quote.substr(0, kQuoteLimit);
}

// A try whose probe listened at its rate to the end: an instrument at that rate would
// have answered it.
bool Listened(const Try& attempt) {
    return attempt.lineSet && (attempt.result == LineProbe::Result::NoPrompt ||
                               attempt.result == LineProbe::Result::NotConfirmed);
}

// Whether an instrument at rate explains the garbage of every try that heard some.
bool ExplainsAll(const std::vector<Try>& tries, std::int32_t rate) {
    return std::all_of(tries.begin(), tries.end(), [rate](const Try& attempt) {
        return attempt.heard.empty() || RateRanking::CanExplain(attempt.rate, rate, attempt.heard);
    });
}

// What the search found of something that answers the break at a rate it did not try.
struct Beyond {
    enum class Side { None, Slower, Faster } side = Side::None;
    std::int32_t rate = 0;  // the search's slowest or fastest
};

// Where garbage heard only after breaks points when no rate of the search can be its
// source: slower than 1200, faster than 115200; none when one still can.
Beyond RateBeyond(const std::vector<Try>& tries) {
    const bool evidence = std::any_of(tries.begin(), tries.end(), [](const Try& attempt) {
        return attempt.heard.find_first_not_of('\0') != std::string::npos;
    });
    if (!evidence) {
        return {};  // zero bytes alone: a line held in break says nothing of a rate
    }
    std::int32_t fastest = 0;
    std::int32_t slowest = 0;
    for (const std::uint32_t each : SearchRates()) {
        const auto rate = static_cast<std::int32_t>(each);
        fastest = std::max(fastest, rate);
        slowest = slowest == 0 ? rate : std::min(slowest, rate);
        const bool listened = std::any_of(tries.begin(), tries.end(), [rate](const Try& attempt) {
            return attempt.rate == rate && Listened(attempt);
        });
        if (!listened && ExplainsAll(tries, rate)) {
            return {};  // a rate not tried may be the instrument's
        }
    }
    // Every slower rate gives only runs of several of a faster host's bits; one bit's runs
    // at the fastest rate come from a faster instrument alone.
    if (ExplainsAll(tries, slowest / 2) || ExplainsAll(tries, slowest / 4)) {
        return {Beyond::Side::Slower, slowest};
    }
    const auto atFastest = std::find_if(tries.begin(), tries.end(), [fastest](const Try& attempt) {
        return attempt.rate == fastest && Listened(attempt) && !attempt.heard.empty();
    });
    if (atFastest != tries.end() &&
        !RateRanking::CanExplain(fastest, fastest / 2, atFastest->heard)) {
        return {Beyond::Side::Faster, fastest};
    }
    return {};
}

// "something answers the break, faster than 115200: set the instrument to a rate from 1200
// to 115200"
std::string BeyondText(const Beyond& beyond) {
    std::uint32_t fastest = 0;
    std::uint32_t slowest = 0;
    for (const std::uint32_t rate : SearchRates()) {
        fastest = std::max(fastest, rate);
        slowest = slowest == 0 ? rate : std::min(slowest, rate);
    }
    const std::string rate = std::to_string(beyond.rate);
    const std::string from = std::to_string(slowest);
    const std::string to = std::to_string(fastest);
    if (beyond.side == Beyond::Side::Slower) {
        //: %1 is the slowest rate searched; %2 to %3 are the rates searched (1200 to 115200).
        return FillText(TrText("PortVerdict",
                               "something answers the break, slower than %1: "
                               "set the instrument to a rate from %2 to %3"),
                        {rate, from, to});
    }
    //: %1 is the fastest rate searched; %2 to %3 are the rates searched (1200 to 115200).
    return FillText(TrText("PortVerdict",
                           "something answers the break, faster than %1: set "
                           "the instrument to a rate from %2 to %3"),
                    {rate, from, to});
}

}  // namespace

PortVerdict PortVerdict::Of(const SearchRecord::Port& port) {
    PortVerdict verdict;
    verdict.portName = port.portName;
    verdict.device = port.device;
    verdict.code = port.code;
    verdict.detail = port.text;
    if (port.end != SearchRecord::End::Finished || port.code != "silent") {
        return verdict;  // passed over, or its line could not be set: as recorded
    }
    verdict.probed = true;
    const Try* text = nullptr;
    bool heard = false;
    bool unprompted = false;
    for (const Try& attempt : port.tries) {
        heard = heard || !attempt.heard.empty();
        // An answer to a break is one burst that ends; bytes that come and go, or that
        // are still coming when the try ends, are the line's own.
        unprompted = unprompted || attempt.bursts > 1 || attempt.stillSending;
        if (Readable(attempt.heard) &&
            (text == nullptr || PrintableCount(attempt.heard) > PrintableCount(text->heard))) {
            text = &attempt;
        }
    }
    if (!heard) {
        verdict.detail = TrText(
            "PortVerdict",
            "nothing came back at any rate: check that the instrument is on, that the cable is "
            "a straight RS-232 one (not null-modem) and that it is in this port's socket");
        return verdict;
    }
    if (text != nullptr) {
        verdict.code = "other-device";
        verdict.rate = text->rate;
        verdict.heard = Quote(text->heard);
        //: %1 is a baud rate, %2 the words the other device sent.
        verdict.detail = FillText(TrText("PortVerdict",
                                         "another device answers at %1 baud and "
                                         "said \"%2\": the instrument is not on "
                                         "this port"),
                                  {std::to_string(text->rate), verdict.heard});
        return verdict;
    }
    const Beyond beyond = unprompted ? Beyond() : RateBeyond(port.tries);
    if (beyond.side != Beyond::Side::None) {
        verdict.code = "rate-not-tried";
        verdict.detail = BeyondText(beyond);
        return verdict;
    }
    verdict.code = "noise";
    verdict.detail =
        TrText("PortVerdict",
               "bytes came whether or not a break was sent, never readable text: the line carries "
               "noise or a device that streams binary data; check the cable's ground and what is "
               "connected");
    return verdict;
}

std::vector<PortVerdict> PortVerdict::All(const SearchRecord& record) {
    std::vector<PortVerdict> verdicts;
    for (const SearchRecord::Port& port : record.ports) {
        if (port.end == SearchRecord::End::Answered) {
            break;  // the ports above were let go before they could say anything
        }
        if (!port.code.empty()) {
            verdicts.push_back(Of(port));
        }
    }
    return verdicts;
}
