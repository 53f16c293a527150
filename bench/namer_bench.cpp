// The two hot paths a user waits on: start-up's list loading and one click of the start button.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "listloading.h"
#include "namegenerator.h"
#include "random.h"
#include "textcodec.h"

namespace namer {
namespace {

class BenchForm : public NamingForm {
public:
    GbkText surname() const override { return surnameText; }
    void setSurname(const GbkText &text) override { surnameText = text; }
    GbkText middleText() const override { return {}; }
    bool isChecked(FormOption option) const override { return option == FormOption::twoCharacters; }
    void setSlotCaption(int32_t, const GbkText &caption) override {
        benchmark::DoNotOptimize(caption);
    }
    void setSlotTooltip(int32_t, const GbkText &tooltip) override {
        benchmark::DoNotOptimize(tooltip);
    }
    void showResultGroup() override {}
    void showMessage(const GbkText &, const GbkText &) override {}

    GbkText surnameText = gbkFromUtf8(" 欧阳 ");
};

std::string benchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "namer-bench-XXXXXX").string();
    return mkdtemp(pattern.data());
}

void BM_LoadAllLists(benchmark::State &state) {
    const std::string folder = benchFolder();
    for (auto _ : state) {
        ListStores stores;
        LineSequence featuredLines;
        LineSequence commonLines;
        loadAllLists(folder, stores, featuredLines, commonLines);
        benchmark::DoNotOptimize(stores);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadAllLists)->Unit(benchmark::kMicrosecond);

void BM_GenerateFeaturedNames(benchmark::State &state) {
    const std::string folder = benchFolder();
    ListStores stores;
    LineSequence featuredLines;
    LineSequence commonLines;
    loadAllLists(folder, stores, featuredLines, commonLines);
    std::filesystem::remove_all(folder);
    seedRandom(1);
    BenchForm form;
    for (auto _ : state) {
        generateNames(form, stores);
    }
}
BENCHMARK(BM_GenerateFeaturedNames)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace namer
