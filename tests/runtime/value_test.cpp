#include "runtime/value.h"

#include <gtest/gtest.h>

namespace qvz::runtime {
namespace {

TEST(ValueTest, ProcedureResultOfEachKind) {
  struct Case {
    Value v;
    std::intptr_t nResult;
  } aCases[] = {
      {Value(), 0},          {Value(true), 1},     {Value(false), 0},   {Value(42), 42},
      {Value(-7), -7},       {Value(3.9), 3},      {Value(-3.9), -3},   {Value("A"), 65},
      {Value("\xE0"), 0xE0}, {Value("AB"), 0},     {Value(""), 0},
  };
  for (const auto& c : aCases) EXPECT_EQ(c.v.ToResult(), c.nResult);
}

TEST(ValueTest, KindsAndAccessors) {
  EXPECT_TRUE(Value().IsNil());
  EXPECT_TRUE(Value(true).IsTrue());
  EXPECT_FALSE(Value(1).IsTrue());  // a number is not a logical
  EXPECT_EQ(Value(std::string("a\0b", 3)).AsText().size(), 3u);
  EXPECT_EQ(Value(2.5).AsInteger(), 2);
  EXPECT_EQ(Value("x").AsInteger(), 0);
}

}  // namespace
}  // namespace qvz::runtime
