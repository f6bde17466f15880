// The print panel's restore, save and summary of a whole settings record, as the print dialog asks
// for them: a job on the test PPD, an A4 page format, and print settings that hold a stored record.
//
//   panel_record_bench [--benchmark_repetitions=N ...]
#include <benchmark/benchmark.h>
#include <cups/ppd.h>

#include <memory>

#include "core/record/default_record.h"
#include "dialog/host_callback.h"
#include "panel/record_chunks.h"
#include "panel/settings_panel.h"
#include "panel/summary_items.h"
#include "platform/measurement_system.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace pd {
namespace {

struct PanelJob {
    std::unique_ptr<ppd_file_t, void (*)(ppd_file_t*)> ppd{
        ppdOpenFile(PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd"), ppdClose};
    std::shared_ptr<MemoryHostCallback> host = std::make_shared<MemoryHostCallback>();
    std::shared_ptr<com_talvo_dpxw_zeb0583_662_settings_panel> panel;

    PanelJob() {
        useFilterMeasurementSystem();
        if (ppd) ppdMarkDefaults(ppd.get());
        host->ppd = ppd.get();
        host->page.setPaper(Paper{"A4", 595, 842});
        PdCoreData record = defaultCoreData();
        record.DtDateStamp.set(2);
        writeRecordChunks(host->settings, record);
        panel = com_talvo_dpxw_zeb0583_662_settings_panel::panelWithCallback(host, nullptr);
    }
};

void restoreValues(benchmark::State& state) {
    PanelJob job;
    if (!job.panel) return state.SkipWithError("no panel for the test PPD");
    for (auto _ : state) job.panel->restoreValues();
}

void saveValues(benchmark::State& state) {
    PanelJob job;
    if (!job.panel) return state.SkipWithError("no panel for the test PPD");
    for (auto _ : state) job.panel->saveValues();
}

void summaryInfo(benchmark::State& state) {
    PanelJob job;
    if (!job.panel) return state.SkipWithError("no panel for the test PPD");
    for (auto _ : state) benchmark::DoNotOptimize(job.panel->summaryInfo());
}

// The parts that grow with the record: its chunks read and decoded, and written.
void readRecordChunks(benchmark::State& state) {
    PanelJob job;
    for (auto _ : state) {
        const PdCoreData record = recordFromChunkText(joinRecordChunks(job.host->settings));
        benchmark::DoNotOptimize(record);
    }
}

void writeChunks(benchmark::State& state) {
    PanelJob job;
    const PdCoreData record = defaultCoreData();
    for (auto _ : state) writeRecordChunks(job.host->settings, record);
}

void buildSummaryRows(benchmark::State& state) {
    const PdCoreData record = defaultCoreData();
    SummaryItemList items;
    for (auto _ : state) {
        buildSummaryItems(record, items, languageJapanese);
        benchmark::DoNotOptimize(items.data());
    }
}

BENCHMARK(restoreValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(saveValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(summaryInfo)->Unit(benchmark::kMicrosecond);
BENCHMARK(readRecordChunks)->Unit(benchmark::kMicrosecond);
BENCHMARK(writeChunks)->Unit(benchmark::kMicrosecond);
BENCHMARK(buildSummaryRows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pd

BENCHMARK_MAIN();
