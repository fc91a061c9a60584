// The process-wide module state.
#include "engine/Globals.h"

Engine Globals;
