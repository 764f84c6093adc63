#include "forms/modal_forms.hpp"

#include "program.hpp"

namespace tw {

std::vector<modal_form> modal_forms(program& p) {
    return {{&p.apps.form, frm_apps_layout(p.apps)},
            {&p.browser_choice.form, frm_browser_selection_layout(p.browser_choice)},
            {&p.about.form, frm_about_layout(p.about)},
            {&p.modules.stock_form.form, frm_stockmodule_layout(p.modules.stock_form)},
            {&p.modules.web_monitor_form.form, frm_wpmmodule_layout(p.modules.web_monitor_form)}};
}

}  // namespace tw
