#include "core/file_refusal.hpp"

#include "core/error_log.hpp"
#include "platform/file_io.hpp"
#include "platform/path_rules.hpp"
#include "program.hpp"

namespace tw {

void report_too_large_file(program& p, const file_too_large& error) {
    error_log_append(native_paths().join(p.program_folder, "log.txt"), p.loop.now(),
                     "file too large", error.what());
    p.ui.message("The file '" + error.file() + "' is larger than " +
                     std::to_string(max_file_megabytes) +
                     " MB, too large to be one of Tarnwick's files.  Tarnwick goes on without it "
                     "and does not write over it.",
                 box::information, message_title);
}

}  // namespace tw
