#include "core/system_usage.hpp"

namespace tw {

const usage_texts system_usage = {
    R"(  TARNWICK_DIALER       the dialer: simulated (the default), networkmanager or
                        none
  TARNWICK_SYSTEM_DIR   the system folder, whose ras/rasphone.pbk is the
                        default phone book (default: the program folder)
  XDG_CONFIG_HOME       where the per-user folder lies, when it is an absolute
                        path (default: ~/.config)
  QT_QPA_PLATFORM       offscreen runs without a display: message boxes go to
                        standard error and get their default answer
)",
    R"(  The program folder is the executable's folder, so a copied program keeps its
  files beside itself. An installed program (its help page in
  ../share/tarnwick/) and one whose folder is not writable use
  ${XDG_CONFIG_HOME:-$HOME/.config}/tarnwick instead. The program creates the
  folder and its logs/ for the user alone (mode 0700), as the logs hold whole
  command lines; the folder and its files must be the user's alone (exit
  status 4). The files in the program folder, with tarnwick.lock, which the
  instance that runs holds:
)",
    R"(  The default phone book is ras/rasphone.pbk in the system folder. The help
  page twhelp.htm lies beside the executable or in ../share/tarnwick/.
)",
    R"(  Without a display the message goes to standard error. The user service
  tarnwick-schedule@ENTRY and the window from the menu share
  ~/.config/tarnwick: stop the service (systemctl --user stop
  tarnwick-schedule@ENTRY) to use the window. While the window is open, the
  service's start ends with 3 and systemd tries again a minute later.
)"};

}  // namespace tw
