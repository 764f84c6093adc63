#include "core/system_usage.hpp"

namespace tw {

const usage_texts system_usage = {
    R"(  TARNWICK_DIALER       the dialer: simulated (the default), networkmanager or
                        none
  TARNWICK_SYSTEM_DIR   the system folder, whose ras/rasphone.pbk is the
                        default phone book (default: the program folder)
  XDG_CONFIG_HOME       where the per-user folder lies (default: ~/.config)
  QT_QPA_PLATFORM       offscreen runs without a display: message boxes go to
                        standard error and get their default answer
)",
    R"(  The program folder is the executable's folder, so a copied program keeps its
  files beside itself. An installed program (its help page in
  ../share/tarnwick/) and one whose folder is not writable use
  ${XDG_CONFIG_HOME:-$HOME/.config}/tarnwick instead. The files in the program
  folder:
)",
    R"(  The default phone book is ras/rasphone.pbk in the system folder. The help
  page twhelp.htm lies beside the executable or in ../share/tarnwick/.
)"};

}  // namespace tw
