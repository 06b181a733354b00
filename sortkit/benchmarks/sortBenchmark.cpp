#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
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

template <void (*sort)(int*, int), Input kind>
void sortBenchmark(benchmark::State& state)
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

#define SORT_BENCHMARKS(sort)                                                                      \
    BENCHMARK(sortBenchmark<sort, Input::random>)                                                  \
        ->Name(#sort "/random")                                                                    \
        ->Arg(1000)                                                                                \
        ->Arg(5000)                                                                                \
        ->Arg(20000)                                                                               \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK(sortBenchmark<sort, Input::sorted>)                                                  \
        ->Name(#sort "/sorted")                                                                    \
        ->Arg(1000)                                                                                \
        ->Arg(5000)                                                                                \
        ->Arg(20000)                                                                               \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK(sortBenchmark<sort, Input::reversed>)                                                \
        ->Name(#sort "/reversed")                                                                  \
        ->Arg(1000)                                                                                \
        ->Arg(5000)                                                                                \
        ->Arg(20000)                                                                               \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK(sortBenchmark<sort, Input::fewDistinct>)                                             \
        ->Name(#sort "/fewDistinct")                                                               \
        ->Arg(1000)                                                                                \
        ->Arg(5000)                                                                                \
        ->Arg(20000)                                                                               \
        ->Unit(benchmark::kMillisecond)

SORT_BENCHMARKS(insertionSort);
SORT_BENCHMARKS(selectionSort);
SORT_BENCHMARKS(interchangeSort);

} // namespace

BENCHMARK_MAIN();
