#include "connection/phone_book.hpp"

#include "program.hpp"

namespace tw {

phone_book::phone_book(program& p) : p_(p) {}

void phone_book::fill_entry_list() {}
void phone_book::choose_phonebook() {}
void phone_book::o_phonebook_list_Click() {}
void phone_book::b_set_default_IPS_Click() {}
void phone_book::b_update_phonebook_Click() {}

}  // namespace tw
