#pragma once

#include <string>
#include <vector>

#include "test_program.hpp"

namespace tw::testing {

// A started program whose phone book holds "Office" and "Home".
struct book_program : test_program {
    explicit book_program(test_options options = {.phone_book = "[Office]\r\n[Home]\r\n"})
        : test_program(std::move(options)) {
        start_up();
    }
    std::vector<std::string> entries() const { return prog.main.o_phonebook_list.items(); }
    void choose(const std::string& answer) {
        dialogs.answer_file_dialog(answer);
        drive([this] { prog.phonebook.choose_phonebook(); });
    }
};

}  // namespace tw::testing
