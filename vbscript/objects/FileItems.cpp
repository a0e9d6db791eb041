// PLACEHOLDER: being written.
#include "Classic.h"
