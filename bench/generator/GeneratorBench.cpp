// Composing and writing the default skeleton script, each against a baseline
// that moves the same bytes without composing: one copy of the finished text,
// the same chunks appended to a string (what the receiver of
// ComposeIntoString does by itself), and a plain write of the finished file.
// The ratios come after the table.

#include "generator/GenerationSettings.h"
#include "generator/SkeletonComposer.h"
#include "generator/SkeletonFileWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string ComposedText(const GenerationSettings& settings)
{
    std::string text;
    SkeletonComposer::Compose(settings, [&](std::string_view chunk) { text.append(chunk); });
    return text;
}

std::string CrLfText(const GenerationSettings& settings)
{
    std::string text;
    SkeletonFileWriter::WriteTo(settings, [&](std::string_view chunk) { text.append(chunk); });
    return text;
}

// Where the file benchmarks write; removed at the end.
const std::filesystem::path& BenchFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "mapsmith-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

void CopyBaseline(benchmark::State& state)
{
    const std::string script = ComposedText(GenerationSettings{});
    std::string copy;
    copy.reserve(script.size());
    for (auto _ : state) {
        copy.assign(script);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
}

// The receiver's own share of ComposeIntoString: appending the same chunks,
// already made, to one string.
void AppendChunksBaseline(benchmark::State& state)
{
    std::vector<std::string> chunks;
    SkeletonComposer::Compose(GenerationSettings{}, [&](std::string_view chunk) { chunks.emplace_back(chunk); });
    std::string text;
    text.reserve(ComposedText(GenerationSettings{}).size());
    for (auto _ : state) {
        text.clear();
        for (const std::string& chunk : chunks)
            text.append(chunk);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void ComposeIntoNullReceiver(benchmark::State& state)
{
    const GenerationSettings settings;
    const std::size_t size = ComposedText(settings).size();
    for (auto _ : state)
        SkeletonComposer::Compose(settings, [](std::string_view chunk) { benchmark::DoNotOptimize(chunk.data()); });
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void ComposeIntoString(benchmark::State& state)
{
    const GenerationSettings settings;
    std::string text;
    text.reserve(ComposedText(settings).size());
    for (auto _ : state) {
        text.clear();
        SkeletonComposer::Compose(settings, [&](std::string_view chunk) { text.append(chunk); });
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Creates, writes, syncs and closes the finished file the way the writer does.
void WriteBaseline(benchmark::State& state)
{
    const std::string bytes = CrLfText(GenerationSettings{});
    const std::string path = (BenchFolder() / "Baseline.rms").string();
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::fsync(fd) != 0) {
            state.SkipWithError("baseline write failed");
            break;
        }
        ::close(fd);
        state.PauseTiming();
        ::unlink(path.c_str());
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void WriteFile(benchmark::State& state)
{
    GenerationSettings settings;
    settings.m_strFileName = (BenchFolder() / "Generated").string();
    const std::size_t size = CrLfText(settings).size();
    for (auto _ : state) {
        const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(settings);
        if (result.outcome != SkeletonWriteOutcome::Written) {
            state.SkipWithError("write failed");
            break;
        }
        state.PauseTiming();
        ::unlink(result.fullPath.c_str());
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

BENCHMARK(CopyBaseline);
BENCHMARK(AppendChunksBaseline);
BENCHMARK(ComposeIntoNullReceiver);
BENCHMARK(ComposeIntoString);
BENCHMARK(WriteBaseline);
BENCHMARK(WriteFile);

// Prints the usual table and keeps each benchmark's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
                m_seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        }
    }

    void PrintRatio(const char* label, const std::string& measured, const std::string& baseline) const
    {
        const auto m = m_seconds.find(measured);
        const auto b = m_seconds.find(baseline);
        if (m != m_seconds.end() && b != m_seconds.end() && b->second > 0)
            std::printf("%-40s %6.2fx  (%s / %s)\n", label, m->second / b->second, measured.c_str(), baseline.c_str());
    }

private:
    std::map<std::string, double> m_seconds;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nRatios (goal for composing: at most 2x the copy of its output)\n");
    reporter.PrintRatio("compose into a null receiver vs copy", "ComposeIntoNullReceiver", "CopyBaseline");
    reporter.PrintRatio("compose into one string vs copy", "ComposeIntoString", "CopyBaseline");
    reporter.PrintRatio("compose into one string vs appending", "ComposeIntoString", "AppendChunksBaseline");
    reporter.PrintRatio("write the file vs plain write", "WriteFile", "WriteBaseline");

    std::error_code ignored;
    std::filesystem::remove_all(BenchFolder(), ignored);
    return 0;
}
