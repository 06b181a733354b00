#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <sortkit/sortImplementation.h>

namespace {

enum class Input { random, sorted, reversed, fewDistinct };

std::vector<int> makeInput(Input kind, int size)
{
    std::mt19937 generator(42);
    std::vector<int> values(static_cast<std::size_t>(size));
    for (int& value : values) {
        value = kind == Input::fewDistinct ? static_cast<int>(generator() % 4)
                                           : static_cast<int>(generator() >> 1);
    }
    if (kind == Input::sorted) {
        std::sort(values.begin(), values.end());
    } else if (kind == Input::reversed) {
        std::sort(values.rbegin(), values.rend());
    }
    return values;
}

using Sort = void (*)(int*, int);

// Times one sort on a fresh copy of the same input each iteration.
void runSort(benchmark::State& state, Sort sort, Input kind)
{
    const int size = static_cast<int>(state.range(0));
    const std::vector<int> input = makeInput(kind, size);
    std::vector<int> values;
    for (auto _ : state) {
        state.PauseTiming();
        values = input;
        state.ResumeTiming();
        sort(values.data(), size);
        benchmark::DoNotOptimize(values.data());
    }
    state.SetComplexityN(size);
}

// One benchmark per sort and input order, each on three sizes, with the fitted growth
// (Complexity) reported after them.
void registerSorts()
{
    const std::pair<const char*, Sort> sorts[] = {
        {"insertionSort", insertionSort},
        {"selectionSort", selectionSort},
        {"interchangeSort", interchangeSort},
    };
    const std::pair<const char*, Input> inputs[] = {
        {"random", Input::random},
        {"sorted", Input::sorted},
        {"reversed", Input::reversed},
        {"fewDistinct", Input::fewDistinct},
    };
    for (const auto& [sortName, sort] : sorts) {
        for (const auto& [inputName, kind] : inputs) {
            const std::string name = std::string(sortName) + "/" + inputName;
            benchmark::RegisterBenchmark(name.c_str(), runSort, sort, kind)
                ->Arg(1000)
                ->Arg(5000)
                ->Arg(20000)
                ->Unit(benchmark::kMillisecond)
                ->Complexity();
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    registerSorts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
