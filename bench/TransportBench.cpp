#include "platform/PrintTransport.h"
#include "platform/PrinterConnection.h"
#include "platform/PrivateCupsServer.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace tessra {
namespace {

using testing::PrivateCupsServer;

constexpr std::size_t kJobBytes = 100'000;
// Fixed: every job waits for the scheduler to finish the one before, which the time excludes
// but the run does not.
constexpr int kIterations = 40;
const std::string kQueue = "ZEN10";

PrivateCupsServer& Server()
{
    static PrivateCupsServer server({{kQueue, PrivateCupsServer::kCaptureDevice}});
    return server;
}

const std::vector<std::uint8_t>& JobBytes()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<std::uint8_t> job(kJobBytes);
        for (std::size_t i = 0; i < job.size(); ++i) job[i] = static_cast<std::uint8_t>(0x20 + i % 64);
        return job;
    }();
    return bytes;
}

// Lets the scheduler finish the last job outside the measured time, so that every job meets an
// idle server.
void WaitForIdleServer(benchmark::State& state)
{
    state.PauseTiming();
    Server().FinishedLastJob(kQueue);
    state.ResumeTiming();
}

// The job as the program sends it: one write call per byte.
void BM_SpoolerJobOneByteWrites(benchmark::State& state)
{
    if (!Server().Running()) return state.SkipWithError(Server().Error().c_str());
    const PrintDestination destination = Server().Queue(kQueue);
    for (auto _ : state) {
        const auto failure = RunTransport(destination, "bench.BSE", [](ByteSink& sink) {
            for (const std::uint8_t byte : JobBytes()) sink.SendByte(byte);
        });
        if (failure) return state.SkipWithError(failure->message.c_str());
        WaitForIdleServer(state);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kJobBytes));
}
BENCHMARK(BM_SpoolerJobOneByteWrites)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kIterations);

// The same job frame with all bytes in a single write call, for comparison.
void BM_SpoolerJobOneWrite(benchmark::State& state)
{
    if (!Server().Running()) return state.SkipWithError(Server().Error().c_str());
    const PrintDestination destination = Server().Queue(kQueue);
    for (auto _ : state) {
        const auto printer = OpenSpoolerPrinter(destination);
        if (!printer || !printer->StartDocument("bench.BSE") || !printer->Write(JobBytes()) ||
            !printer->EndDocument()) {
            return state.SkipWithError("the job failed");
        }
        WaitForIdleServer(state);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kJobBytes));
}
BENCHMARK(BM_SpoolerJobOneWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kIterations);

}  // namespace
}  // namespace tessra
