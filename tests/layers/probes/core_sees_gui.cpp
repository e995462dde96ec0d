// Built as a core source: the GUI's headers are not on its include path, so this must not compile.
#include "editor/main_window.h"
