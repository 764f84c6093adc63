// One keystroke in the parameters box with 10,000 tasks loaded: the text is
// stored into the records of the shown program and the whole task file is
// saved (written, flushed and renamed over the old one).
#include <benchmark/benchmark.h>

#include "bench_program.hpp"

namespace {

void keystroke_in_parameters(benchmark::State& state) {
    tw::program& prog = bench::shared_program().prog();
    prog.main.o_task_list.set_list_index(0);
    bool odd = false;
    for (auto _ : state) prog.main.o_parameters.set_text((odd = !odd) ? "-q a" : "-q b");
    if (prog.controls.tasks[0].parameters != prog.main.o_parameters.text())
        state.SkipWithError("not stored");
}
BENCHMARK(keystroke_in_parameters)->Unit(benchmark::kMillisecond);

}  // namespace
