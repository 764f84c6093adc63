#include <benchmark/benchmark.h>
#include <unistd.h>

#include <optional>

#include "platform/profile_store.hpp"

namespace {

namespace fs = std::filesystem;

constexpr int task_count = 10'000;
constexpr const char* keyed_sections[] = {"Parameters", "Start Time", "Stop Time", "Interval",
                                          "Enabled"};

std::string task_path(int task) {
    return "/home/demo/tools/task" + std::to_string(task) + "/run.sh";
}

// All 60,000 keys of the task file; `generation` changes every value but the task paths.
void write_tasks(tw::ini_document& document, int generation) {
    for (int task = 0; task < task_count; ++task) {
        const auto path = task_path(task);
        document.write("Tasks", "task" + std::to_string(task), path);
        for (const char* section : keyed_sections) {
            document.write(section, path, std::to_string(generation * task_count + task));
        }
    }
}

// A task file in a folder of its own, removed afterwards.
class task_file {
public:
    explicit task_file(tw::profile_store& store)
        : folder_(fs::temp_directory_path() / ("tw-profile-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
        store.batch(path(), [](tw::ini_document& document) { write_tasks(document, 0); });
    }
    task_file(const task_file&) = delete;
    task_file& operator=(const task_file&) = delete;
    ~task_file() { fs::remove_all(folder_); }
    fs::path path() const { return folder_ / "tasks.ini"; }

private:
    fs::path folder_;
};

// range(0): 1 starts each save with a new store, so the file is parsed first.
void batched_save(benchmark::State& state) {
    std::optional<tw::profile_store> store(std::in_place);
    const task_file file(*store);
    const auto path = file.path();
    int generation = 0;
    for (auto _ : state) {
        if (state.range(0) == 1) store.emplace();
        ++generation;
        store->batch(path, [&](tw::ini_document& document) { write_tasks(document, generation); });
    }
}
BENCHMARK(batched_save)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Reads all 60,000 keys through `read(section, key)`, as a task list load does.
template <class reader>
void read_tasks(const reader& read) {
    for (int task = 0; task < task_count; ++task) {
        const std::string path = read("Tasks", "task" + std::to_string(task));
        for (const char* section : keyed_sections) benchmark::DoNotOptimize(read(section, path));
    }
}

// range(0): 1 reads in one pass through view(), 0 key by key through read().
void read_all(benchmark::State& state) {
    tw::profile_store store;
    const task_file file(store);
    const auto path = file.path();
    int generation = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++generation;
        store.batch(path, [&](tw::ini_document& document) { write_tasks(document, generation); });
        state.ResumeTiming();
        if (state.range(0) == 1) {
            store.view(path, [](const tw::ini_document& document) {
                read_tasks([&](const char* section, const std::string& key) {
                    return document.read(section, key);
                });
            });
        } else {
            read_tasks([&](const char* section, const std::string& key) {
                return store.read(path, section, key);
            });
        }
    }
}
BENCHMARK(read_all)->ArgName("one_pass")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void single_write(benchmark::State& state) {
    tw::profile_store store;
    const task_file file(store);
    const auto path = file.path();
    int generation = 0;
    for (auto _ : state) {
        store.write(path, "Enabled", task_path(42), std::to_string(++generation));
    }
}
BENCHMARK(single_write)->Unit(benchmark::kMillisecond);

}  // namespace
