// The ui core's worked examples and failures: filled in with the core itself.
#include "core_cases.hpp"
