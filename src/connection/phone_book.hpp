#pragma once

#include <string>

namespace tw {

class program;

// The system's phone book, used while the settings name no other file.
std::string default_phonebook(const std::string& system_dir);

// The phone-book entries, the default entry and the phone-book file.
class phone_book {
public:
    explicit phone_book(program& p);

    // Refills the entry list from the dialer, in its order.
    void fill_entry_list();
    // Lets the user pick the phone-book file; phonebook_path is "" unless it exists.
    void choose_phonebook();
    void o_phonebook_list_Click();
    void b_set_default_IPS_Click();
    void b_update_phonebook_Click();

private:
    void edit_phonebook();

    program& p_;
};

}  // namespace tw
