// Timings of the library's hot paths: the idle step with nothing to do and
// with a whole answer to decode, the encoder and the decoder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "comm/FrameAssembler.h"
#include "comm/FrameCodec.h"
#include "comm/TestClock.h"
#include "comm/VeskComm.h"
#include "tools/SimBus.h"

namespace {

// A port on a simulated bus whose only unit has been found; the clock stands
// still, so no time-out fires while measuring.
class BenchPort {
public:
    BenchPort()
    {
        bus.AddUnit(1, 1, 37);
        setenv("VESKCOMM_PORTS", bus.DevicePath().c_str(), 1);
        TestClockSet(1000);
        VeskCommInitialize(nullptr, &callbacks);
        port = VeskCommPortOpen(bus.PortName().c_str(), 1, 1, 1);
        for (uint32_t t = 1000; t < 3000; t += 100) {
            TestClockSet(t);
            VeskCommPortIdle(port);
            bus.Pump(5);
        }
        bus.FindUnit(1)->silent = true;
        VeskCommPortIdle(port);  // a poll is on the bus and stays unanswered
        bus.Pump(5);
    }
    ~BenchPort()
    {
        VeskCommPortClose(port);
        TestClockRelease();
    }

    SimBus bus;
    CommCallbacks callbacks{};
    VESKCOMM_PORT port = nullptr;
};

void IdleNothingToDo(benchmark::State& state)
{
    BenchPort bench;
    for (auto _ : state)
        VeskCommPortIdle(bench.port);
}
BENCHMARK(IdleNothingToDo);

// A report with 20 data bytes, read, assembled, decoded and delivered.
void IdleDecodingAReport(benchmark::State& state)
{
    BenchPort bench;
    const std::vector<uint8_t> data(20, 0x42);
    for (auto _ : state) {
        state.PauseTiming();
        bench.bus.SendBroadcast(1, 1, 1, data);
        state.ResumeTiming();
        VeskCommPortIdle(bench.port);
    }
}
// The bus's side of each step, outside the timing, costs far more than the
// step: a fixed count keeps the run short.
constexpr int kBusIterations = 20000;
BENCHMARK(IdleDecodingAReport)->Iterations(kBusIterations);

// An answer ends the wait, so the idle step also writes the next request,
// which the bus drops unanswered: the next answer comes from the loop.
void IdleAnswerThenNextRequest(benchmark::State& state)
{
    BenchPort bench;
    const std::vector<uint8_t> data(20, 0x42);
    for (auto _ : state) {
        state.PauseTiming();
        bench.bus.SendRecord(1, 1, 1, data);
        state.ResumeTiming();
        VeskCommPortIdle(bench.port);
        state.PauseTiming();
        bench.bus.Discard();
        state.ResumeTiming();
    }
}
BENCHMARK(IdleAnswerThenNextRequest)->Iterations(kBusIterations);

void EncodeCommandFrame(benchmark::State& state)
{
    uint8_t buffer[32] = {0, 0, 0, 0, 0, 0, 60, 1, 3};
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeCommand(buffer, 3, 1, 5, 1, false));
}
BENCHMARK(EncodeCommandFrame);

void AssembleAndDecode(benchmark::State& state)
{
    const std::string text = SimBus::RecordText(FrameHead::Answer, 1, 5, 1, std::vector<uint8_t>(20, 0x42));
    uint8_t record[kRecordSize];
    FrameAssembler assembler;
    for (auto _ : state) {
        for (char c : text) {
            if (assembler.Feed(c))
                benchmark::DoNotOptimize(DecodeFrame(assembler.Text(), record));
        }
    }
}
BENCHMARK(AssembleAndDecode);

}  // namespace

BENCHMARK_MAIN();
