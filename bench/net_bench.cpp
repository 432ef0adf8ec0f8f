// 2,000 sequential GET steps through SendStepRequest (the client recreated before each, as a run
// does) against a bare libcurl loop doing the same requests, both on one loopback server.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include "engine/request_composer.h"
#include "page_server.h"

namespace {

namespace fs = std::filesystem;
using listrider::engine::RequestComposer;
using listrider::engine::StepRequest;

constexpr int kSteps = 2000;

// One loopback server for the whole program.
listrider::bench::PageServer& Server()
{
    static listrider::bench::PageServer server(std::string(1024, 'x'));
    return server;
}

std::size_t Discard(char*, std::size_t size, std::size_t count, void* user)
{
    static_cast<std::string*>(user)->append(size * count, ' ');
    return size * count;
}

void BM_SendStepRequest(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / ("listrider-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    RequestComposer composer;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dir);
        fs::create_directories(dir);
        state.ResumeTiming();
        for (int i = 0; i < kSteps; ++i) {
            StepRequest step;
            step.host = Server().HostPort();
            step.path = "/page";
            step.method = "GET";
            step.names = {"id"};
            step.values = {std::to_string(i)};
            // A run saves each answer under a name of its own (site and request number).
            step.savedPage = dir / ("Site" + std::to_string(i) + ".htm1");
            composer.RecreateHTTP();
            const auto sent = composer.SendStepRequest(step, {"Site", false}, {});
            if (!sent || !sent.Value() || composer.EmptyPage()) {
                state.SkipWithError("a request failed");
                break;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kSteps);
    fs::remove_all(dir);
}

void BM_BareCurlLoop(benchmark::State& state)
{
    CURL* easy = curl_easy_init();
    std::string body;
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i) {
            body.clear();
            const std::string url = "http://" + Server().HostPort() + "/page?id=" + std::to_string(i);
            curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
            curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Discard);
            curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
            if (curl_easy_perform(easy) != CURLE_OK) {
                state.SkipWithError("a request failed");
                break;
            }
        }
    }
    curl_easy_cleanup(easy);
    state.SetItemsProcessed(state.iterations() * kSteps);
}

BENCHMARK(BM_SendStepRequest)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareCurlLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
