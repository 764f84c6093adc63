#include "test_program.hpp"

#include <utility>

namespace tw::testing {

test_program::test_program(test_options options)
    : system_dir(folder / "system"),
      system(folder.path().string(), system_dir, options.platform),
      dialer(loop, default_phonebook(system_dir)),
      fakes(loop),
      app(options.command_line),
      prog({loop, options.other_dialogs ? *options.other_dialogs : dialogs, chosen_dialer(options),
            options.real_processes ? *options.real_processes : fakes, system, app, registry_keys,
            browser}) {
    prog.supported_browsers = options.browsers;
    std::filesystem::create_directories(system_dir + "/ras");
    if (!options.phone_book.empty()) {
        write_file(default_phonebook(system_dir), options.phone_book);
        dialer.refresh();
    }
    later_.tick.connect([this] {
        later_.stop();
        drive(std::exchange(later_action_, nullptr));
    });
    loop.add_timer(later_);
}

test_program::~test_program() { loop.remove_timer(later_); }

void test_program::do_after(double seconds, std::function<void()> action) {
    later_action_ = std::move(action);
    later_.start(static_cast<int>(seconds * 1000));
}

tw::dialer& test_program::chosen_dialer(const test_options& options) {
    if (!options.ras_available) return absent_dialer;
    if (!options.other_dialer) return dialer;
    made_dialer = options.other_dialer(loop);
    return *made_dialer;
}

void test_program::drive(const std::function<void()>& step) {
    if (ended()) return;
    try {
        step();
    } catch (const process_ended& end) {
        exit_code = end.exit_code;
    }
}

bool test_program::run_until(const std::function<bool()>& done, double max_seconds) {
    bool result = false;
    drive([&] { result = loop.run_until(done, max_seconds); });
    return result || done();
}

std::vector<std::string> test_program::log_texts() const {
    std::vector<std::string> texts;
    for (const std::string& line : prog.main.o_log.items())
        texts.push_back(line.size() >= stamp_length ? line.substr(stamp_length) : line);
    return texts;
}

}  // namespace tw::testing
