// Speed checks for the operations that must stay fast on big files: loading a
// unit, searching it, replacing in it, and reading a large project record file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "store/RecordFile.h"
#include "units/Search.h"
#include "units/UnitText.h"
#include "units/ui/TUnit.h"

namespace {

// About 16 MB of assembly-like text with LF line ends.
const QByteArray& BigSource() {
    static const QByteArray text = [] {
        QByteArray line("        mov     ax, word ptr [bx+si+1234h]   ; load the next value\n");
        QByteArray out;
        out.reserve(16 * 1024 * 1024);
        while (out.size() < 16 * 1024 * 1024) out += line;
        return out;
    }();
    return text;
}

void BM_NormalizeLineBreaks(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(UnitText::NormalizeLineBreaks(BigSource()));
    state.SetBytesProcessed(state.iterations() * BigSource().size());
}
BENCHMARK(BM_NormalizeLineBreaks)->Unit(benchmark::kMillisecond);

void BM_LoadUnit(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.asm"));
    WriteFileSafely(path, BigSource());
    for (auto _ : state) {
        TUnit unit;
        benchmark::DoNotOptimize(unit.LoadFile(path));
    }
    state.SetBytesProcessed(state.iterations() * BigSource().size());
}
BENCHMARK(BM_LoadUnit)->Unit(benchmark::kMillisecond);

void BM_SearchToTheEnd(benchmark::State& state) {
    SearchOptions options;
    options.findText = QByteArray("not in the text");
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindOccurrence(BigSource(), 0, options));
    }
    state.SetBytesProcessed(state.iterations() * BigSource().size());
}
BENCHMARK(BM_SearchToTheEnd)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllPlan(benchmark::State& state) {
    SearchOptions options;
    options.findText = QByteArray("ax");
    options.wholeWord = true;
    for (auto _ : state) benchmark::DoNotOptimize(ReplaceAllOffsets(BigSource(), options));
    state.SetBytesProcessed(state.iterations() * BigSource().size());
}
BENCHMARK(BM_ReplaceAllPlan)->Unit(benchmark::kMillisecond);

void BM_ReadRecordStrings(benchmark::State& state) {
    RecordWriter w;
    QStringList lines;
    for (int i = 0; i < 200000; ++i) lines << QStringLiteral("        push    ax");
    WriteRecordStrings(w, lines);
    for (auto _ : state) {
        RecordReader r(w.data());
        QStringList out;
        ReadRecordStrings(r, out);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * w.data().size());
}
BENCHMARK(BM_ReadRecordStrings)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
