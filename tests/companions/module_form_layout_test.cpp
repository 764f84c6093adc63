#include <gtest/gtest.h>

#include <algorithm>

#include "companions/module_form.hpp"

namespace tw {
namespace {

// The web page monitor form is the stock form without the data source's
// row: what lies below that row moves up, and the form is one row lower.
TEST(module_form_layout, the_form_without_a_data_source_leaves_no_gap_for_it) {
    frm_stockmodule stock;
    frm_wpmmodule monitor;
    const auto with_source = frm_stockmodule_layout(stock).pages.front();
    const auto top_of = [&](const char* name) {
        return std::find_if(with_source.begin(), with_source.end(),
                            [&](const placement& p) { return std::string(p.name) == name; })
            ->at.top;
    };
    const int row = top_of("o_override_email") - top_of("o_data_source");
    std::vector<std::pair<std::string, int>> expected, shown;
    for (const placement& p : with_source)
        if (std::string(p.name).find("data_source") == std::string::npos)
            expected.emplace_back(
                p.name, p.at.top - (!p.in && p.at.top > top_of("o_data_source") ? row : 0));
    const auto without_source = frm_wpmmodule_layout(monitor).pages.front();
    for (const placement& p : without_source) shown.emplace_back(p.name, p.at.top);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(monitor.form.height(), stock.form.height() - row);
}

}  // namespace
}  // namespace tw
