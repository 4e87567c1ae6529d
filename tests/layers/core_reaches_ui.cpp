// Compiled against the core's include root: a window is a layer above it.
#include "ui/form.h"
