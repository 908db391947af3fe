// One press of "Calculate" without the page: read the value, divide the factors, multiply,
// and write the result text.

#include <benchmark/benchmark.h>

#include "quenmoortools/units/unit_conversion.h"

namespace {

using namespace quenmoor;

void convertInchToMillimetre(benchmark::State& state) {
    units::FactorSlots factors{};
    toolkit::Int16Counter index;
    units::SelectQuantity(units::buildUnitQuantities(), factors, 1, index,
                          [](const std::string&) {});
    for (auto _ : state) {
        std::string result = units::ConvertValueText(factors, "12.5", 3, 1);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(convertInchToMillimetre)->Name("ConvertValueText/12.5 inch to mm");

}  // namespace

BENCHMARK_MAIN();
