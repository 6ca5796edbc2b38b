// Normalising and converting a long practice text: the work done when the user
// presses "Textfeld Start" with a full text field.

#include "engine/normalizer.h"
#include "engine/tmorse.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// An 11000-character text mixing words, umlauts, prosigns, signs and in-text commands.
std::string mixedText() {
    const std::string pieces[] = {
        "cq cq de dl1abc ",
        "Gr\xF6\xDF"
        "e \xFC"
        "ber ",
        "[ar] [sk] [kn] ",
        "<120> ",
        "r 599 5nn ",
        "<F150 S3.5 W1000> ",
        "tnx fer qso! ",
        "\x80 50% #3 ",
        "Bach & S\xF6hne ",
        "<F-> <S3> <W0> ",
        "na\xEFve caf\xE9 ",
        "73 es gl\t\r\n",
    };
    std::string text;
    for (std::size_t i = 0; text.size() < 11000; ++i) {
        text += pieces[i % std::size(pieces)];
    }
    text.resize(11000);
    return text;
}

void NormalizeText(benchmark::State& state) {
    const std::string text = mixedText();
    dittaro::ConversionOptions options;
    options.umlautExpansion = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dittaro::normalizeText(text, options));
    }
}
BENCHMARK(NormalizeText)->Unit(benchmark::kMillisecond);

void NormalizeAndConvert(benchmark::State& state) {
    const std::string text = mixedText();
    dittaro::TMorse morse;
    morse.setSpeedFromBpm(100);
    for (auto _ : state) {
        morse.setText(text);
        benchmark::DoNotOptimize(morse.convert());
    }
    state.counters["timing_text_bytes"] = static_cast<double>(morse.timingText().size());
}
BENCHMARK(NormalizeAndConvert)->Unit(benchmark::kMillisecond);

} // namespace
