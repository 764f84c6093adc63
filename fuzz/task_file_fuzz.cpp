// The task file's round trip: a list saved and loaded again is the same list;
// after a delete it is the list without that row, and nothing deleted comes back.
#include <fuzzer/FuzzedDataProvider.h>

#include "property_check.hpp"
#include "test_program.hpp"

namespace {

// A path as a user could pick it: no line break, no blanks around it (the file
// trims them), not empty and not longer than a value can be read back.
std::string picked_path(FuzzedDataProvider& input) {
    std::string path = "/" + input.ConsumeRandomLengthString(60);
    std::erase_if(path, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    while (!path.empty() && (path.back() == ' ' || path.back() == '\t')) path.pop_back();
    return path;
}

}  // namespace

using tw::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tw::testing::test_program p;
    p.dialogs.answer_every_message();
    p.prog.task_file_path = p.folder / "task.ini";
    if (input.ConsumeBool()) p.write("task.ini", input.ConsumeRandomLengthString(512));
    p.drive([&] { p.prog.tasks.load_tasks(); });
    tw::frm_main& m = p.main();
    const int added = input.ConsumeIntegralInRange(1, 12);
    for (int i = 0; i < added; ++i) {
        const std::string path = picked_path(input);
        m.o_task_list.add_item(path);
        p.controls().tasks.push_back({path, input.ConsumeRandomLengthString(20), "", "", "", "N"});
    }
    std::vector<std::string> expected = m.o_task_list.items();
    p.click(m.b_save_task);
    p.drive([&] { p.prog.tasks.load_tasks(); });
    check(m.o_task_list.items() == expected);

    const int row = input.ConsumeIntegralInRange(0, static_cast<int>(expected.size()) - 1);
    m.o_task_list.set_list_index(row);
    p.click(m.b_delete_task);
    expected.erase(expected.begin() + row);
    p.drive([&] { p.prog.tasks.load_tasks(); });
    // An empty list loads the companions found beside the program: there are none.
    check(m.o_task_list.items() == expected);
    return 0;
}
