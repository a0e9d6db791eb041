// PLACEHOLDER: being written.
#include <gtest/gtest.h>
