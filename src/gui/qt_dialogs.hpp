#pragma once

#include "toolkit/dialogs.hpp"

namespace tw {

// Qt's message boxes and file dialogs. On the "offscreen" platform nobody
// can answer, so unattended runs never hang: a message goes to standard
// error as "title: text" and gets its default answer (OK, or Yes of a
// Yes/No box), a file dialog is cancelled, and a modal form closes at once.
class qt_dialogs : public dialogs {
public:
    int message(const std::string& text, int flags, const std::string& title) override;
    std::string open_file(const file_request& request) override;
    void show_modal(window& form) override;
    void beep() override;
    size_twips screen_size() const override;
};

}  // namespace tw
