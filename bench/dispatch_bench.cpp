// The cost of a late-bound call, which every menu pick and every `Cells(...).Value` read
// pays: name lookup without regard to case, argument conversion and the call.

#include <benchmark/benchmark.h>

#include "platform/com/com_object.h"
#include "platform/com/dispatch_table.h"

namespace {

using namespace quenmoor::com;

class ICell : public IDispatch {
public:
    static constexpr Guid iid = guid("{0B5C1E2A-3D4F-4A6B-8C7D-9E0F1A2B3C4D}");
    using Base = IDispatch;
    static const DispatchTable<ICell>& dispatchTable() {
        using T = DispatchTable<ICell>;
        static const T table{T::get<&ICell::Value>("Value"), T::method<&ICell::Offset>("Offset")};
        return table;
    }
    virtual Variant Value() = 0;
    virtual double Offset(std::int32_t row, double by) = 0;

protected:
    ~ICell() = default;
};

class Cell final : public ComObject<Cell, DualInterface<ICell>> {
public:
    Variant Value() override { return Variant("Steel"); }
    double Offset(std::int32_t row, double by) override { return row + by; }
};

void lateBoundPropertyGet(benchmark::State& state) {
    ComPtr<IDispatch> cell = Cell::create().as<IDispatch>("cell");
    for (auto _ : state) {
        benchmark::DoNotOptimize(call(cell, "value"));
    }
}
BENCHMARK(lateBoundPropertyGet);

void lateBoundMethodWithArguments(benchmark::State& state) {
    ComPtr<IDispatch> cell = Cell::create().as<IDispatch>("cell");
    for (auto _ : state) {
        benchmark::DoNotOptimize(call(cell, "OFFSET", std::int32_t{3}, "2.5"));
    }
}
BENCHMARK(lateBoundMethodWithArguments);

void doubleToText(benchmark::State& state) {
    double value = 25.4000508001016;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatDouble(value));
    }
}
BENCHMARK(doubleToText);

}  // namespace

BENCHMARK_MAIN();
