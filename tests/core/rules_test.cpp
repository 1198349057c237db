#include <gtest/gtest.h>

#include "core/rules.h"

TEST(Smoke, Builds) { 状態 s; EXPECT_EQ(移動チェック(s, 5, 5, 5, 6, 200), 真); }
