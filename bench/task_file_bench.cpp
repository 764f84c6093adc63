// Loading and saving a task list of 10,000 tasks through the whole program.
#include <benchmark/benchmark.h>

#include "bench_program.hpp"

namespace {

using bench::bench_program;
using bench::shared_program;
using bench::task_count;

// The file is unchanged since the last look, so its parsed text is reused.
void load_tasks_unchanged_file(benchmark::State& state) {
    bench_program& b = shared_program();
    for (auto _ : state) b.prog().tasks.load_tasks();
    if (b.prog().main.o_task_list.list_count() != task_count) state.SkipWithError("lost tasks");
}
BENCHMARK(load_tasks_unchanged_file)->Unit(benchmark::kMillisecond);

// Another program changed the file: it is read from disk and parsed again.
void load_tasks_changed_file(benchmark::State& state) {
    bench_program& b = shared_program();
    for (auto _ : state) {
        state.PauseTiming();
        b.touch_task_file();
        state.ResumeTiming();
        b.prog().tasks.load_tasks();
    }
    if (b.prog().main.o_task_list.list_count() != task_count) state.SkipWithError("lost tasks");
}
BENCHMARK(load_tasks_changed_file)->Unit(benchmark::kMillisecond);

// One field changed, so every save renumbers 10,000 keys, rewrites 50,000
// fields and replaces the file on disk (written, flushed, renamed).
void save_tasks(benchmark::State& state) {
    bench_program& b = shared_program();
    int generation = 0;
    for (auto _ : state) {
        b.prog().controls.tasks[0].interval = std::to_string(++generation) + " hours";
        b.prog().tasks.b_save_task_Click();
    }
}
BENCHMARK(save_tasks)->Unit(benchmark::kMillisecond);

}  // namespace
