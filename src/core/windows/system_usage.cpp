#include "core/system_usage.hpp"

namespace tw {

const usage_texts system_usage = {
    R"(  TARNWICK_DIALER       the dialer: ras (the default), simulated or none
)",
    R"(  The program folder is the executable's folder, so a copied program keeps its
  files beside itself; a program in %LOCALAPPDATA%\Programs\Tarnwick does too.
  One whose folder is not writable (one under Program Files) uses
  %APPDATA%\Tarnwick instead. The files in the program folder:
)",
    R"(  The default phone book is %SystemRoot%\System32\ras\rasphone.pbk. The help
  page twhelp.htm lies beside the executable.
)",
    ""};

}  // namespace tw
