#include "toolkit/event.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tw {
namespace {

TEST(event, a_scoped_connection_ends_with_its_owner_even_while_the_event_fires) {
    event<int> changed;
    std::string seen;
    changed.connect([&](int v) { seen += "a" + std::to_string(v); });
    {
        const scoped_connection view =
            changed.connect([&](int v) { seen += "b" + std::to_string(v); });
        changed(1);
    }
    changed(2);
    EXPECT_EQ(seen, "a1b1a2") << "the view's handler went with it";

    // A handler that closes a view mid-firing: the view's handler, later in
    // the list, does not run; one connected meanwhile runs from the next firing.
    seen.clear();
    std::optional<scoped_connection> later;
    changed.connect([&](int) {
        later.reset();
        changed.connect([&](int v) { seen += "new" + std::to_string(v); });
    });
    later.emplace(changed.connect([&](int v) { seen += "closed" + std::to_string(v); }));
    changed(3);
    EXPECT_EQ(seen, "a3");
    changed(4);
    EXPECT_EQ(seen, "a3a4new4");

    // Dropping a plain connection leaves the handler; a link to a gone event
    // disconnects nothing.
    connection kept;
    {
        event<> gone;
        kept = gone.connect([] {});
    }
    kept.disconnect();
}

}  // namespace
}  // namespace tw
