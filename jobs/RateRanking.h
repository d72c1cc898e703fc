#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Which rate to try next, read from the garbage a line gave at the rates already tried.
//
// A break wakes the instrument whatever rate the host listens at, so a try at a wrong rate
// still hears it, as the garbage the host's UART decodes. That garbage carries the
// instrument's rate. Each decoded byte begins at a falling edge, so its first low run, the
// start bit and the byte's trailing zero bits, is one of the instrument's own low runs as
// the host's clock cuts it: an instrument slower than the host by a whole factor m makes
// every such run a multiple of m host bits (at 9600: 1200 gives runs of 8; 2400, of 4 and
// 8; 4800, of 2, 4, 6 and 8), and only an instrument faster than the host gives runs of
// one bit (a byte with bit 0 set). No timing is read, so an adapter's batching and FIFOs
// cannot blur it. A zero byte says nothing (a run longer than the frame, or a framing
// error that the driver handed over as 0x00) and is left out.
//
// A ranking only orders the tries: the rate is reported only once the instrument has
// confirmed it, so a poor guess costs time, never a wrong answer.
class RateRanking {
  public:
    // The rates a search tries, in the order it tries them when nothing is known.
    explicit RateRanking(std::vector<std::int32_t> rates);

    // A try at hostRate heard bytes (as read, zero bytes included).
    void Heard(std::int32_t hostRate, const std::string& bytes);

    // The rates not tried yet, the likeliest first. Rates the garbage says nothing about
    // keep their order; where it says only "faster than every try", the fastest comes first,
    // since garbage heard there names every slower rate, unless a byte or two was all there
    // was to hear (a bare prompt), which a fast rate hears as 0x00s.
    std::vector<std::int32_t> Ranked() const;

    // Whether the garbage heard holds bytes no instrument at this rate can give (a first
    // low run that is no multiple of its bit at a faster host), more than the strays any
    // line has: then the rate need not be tried. Nothing rules a rate out for being less
    // likely: a faster instrument can give any run, and a banner of one repeated letter
    // gives runs as regular as a slower one's.
    bool RuledOut(std::int32_t rate) const;

    // Why the rate is tried now, as far as the garbage tells, for the progress: "garbage at
    // 9600 points to 4800", "... points to a faster rate"; empty when nothing heard says
    // anything of it.
    std::string Reason(std::int32_t rate) const;

    // Whether garbage heard at hostRate can have come from an instrument at instrumentRate:
    // every non-zero byte's first low run one that rate gives, but for a stray share.
    static bool CanExplain(std::int32_t hostRate, std::int32_t instrumentRate,
                           const std::string& bytes);

  private:
    struct Try {
        std::int32_t rate = 0;
        int runs[10] = {};  // how many bytes had a first low run of that many host bits
        int evidence = 0;   // the non-zero bytes
        int bytes = 0;      // every byte heard
    };
    // How well an instrument at rate would explain everything heard, as a log-likelihood.
    double Score(std::int32_t rate) const;
    bool Tried(std::int32_t rate) const;

    std::vector<std::int32_t> m_rates;
    std::vector<Try> m_tries;
};
