// A batch table streamed from a file: the rows per second at 1 000 and 8 000
// rows (time should grow in step with the rows; memory does not, see
// --batch in the README), and the table reader alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "session/CaseBatchStream.h"
#include "session/CaseBatchTable.h"

namespace {

using namespace tidewell;

// Default-like rows: a few bay areas and inflow rates, some cells empty.
std::string DefaultLikeTable(std::int64_t rows) {
    static constexpr const char* kAreas[] = {"", "800", "1200", "1500"};
    static constexpr const char* kRates[] = {"", "400", "600"};
    std::string table = "name,bay-area,inflow-rate\n";
    for (std::int64_t r = 0; r < rows; ++r)
        table += "r" + std::to_string(r) + "," + kAreas[r % 4] + "," + kRates[r % 3] + "\n";
    return table;
}

std::string TableFile(std::int64_t rows) {
    const std::string path = std::filesystem::temp_directory_path() /
                             ("tidewell-bench-" + std::to_string(::getpid()) + ".csv");
    std::ofstream(path) << DefaultLikeTable(rows);
    return path;
}

void BatchStreamed(benchmark::State& state) {
    const std::string path = TableFile(state.range(0));
    for (auto _ : state) {
        std::size_t bytes = 0;
        const session::StreamedBatch batch =
            session::StreamCaseBatch(path, "", [&](std::string_view piece) {
                bytes += piece.size();
                return true;
            });
        benchmark::DoNotOptimize(bytes + batch.Rows);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BatchStreamed)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BatchTableRead(benchmark::State& state) {
    const std::string table = DefaultLikeTable(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(session::ParseCaseBatch(table).Batch->Rows.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BatchTableRead)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
