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

    // Refills the entry list from the dialer, in its order. The entry shown
    // stays chosen while the list still holds it.
    void fill_entry_list();
    // Lets the user pick the phone-book file; phonebook_path is "" unless it
    // exists. A file picked is the dialer's, and the list shows its entries.
    void choose_phonebook();
    // Gives a dialer that reads a phone-book file the chosen one, so the
    // entry list and the dial use the same phone book.
    void hand_over_phonebook();
    // Selects the last entry named `name`, as a click would; false when the
    // list holds none.
    bool select_entry(const std::string& name);
    void o_phonebook_list_Click();
    void b_set_default_IPS_Click();
    void b_update_phonebook_Click();

private:
    void edit_phonebook();
    void run_editor(std::string program, const std::string& parameters);

    program& p_;
};

}  // namespace tw
