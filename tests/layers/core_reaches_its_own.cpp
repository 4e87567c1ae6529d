// Compiled against the core's include root: its own layer is there.
#include "core/alarm_driver.h"
