// The readers of what users type: the Windows command-line splitter (and its
// quoting, which must give every argument back), the number reader and the
// switch query of the program's own command line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

#include "core/command_line.hpp"
#include "helpers/number_text.hpp"
#include "platform/command_line_split.hpp"
#include "property_check.hpp"

using tw::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string text = input.ConsumeRandomLengthString(1024);
    const std::vector<std::string> arguments = tw::split_command_line(text);
    std::string requoted;
    for (const std::string& argument : arguments)
        requoted += (requoted.empty() ? "" : " ") + tw::quote_argument(argument);
    check(tw::split_command_line(requoted) == arguments);

    const double number = tw::number_value(text);
    check(std::isfinite(number) && std::fabs(number) <= tw::number_limit);
    check(tw::number_value(tw::number_text(number)) == number);

    const std::vector<std::string> entries = {input.ConsumeRandomLengthString(32), "MyISP"};
    for (const char* which : {"/s", "/d", "/a", "/x", "/t", "/q"}) {
        const tw::switch_answer answer = tw::query_switch(which, text, entries);
        check(answer.entry_index >= -1 && answer.entry_index < 2);
    }
    return 0;
}
