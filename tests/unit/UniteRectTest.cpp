#include <gtest/gtest.h>

#include <array>

#include "engine/UniteRect.h"

namespace tavrelio {
namespace {

using Corners = std::array<A_long, 4>;

Corners CornersOf(const PF_LRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

struct UniteCase {
  const char* what;
  PF_LRect source;
  PF_LRect destination;
  PF_LRect expected;
};

// Empty rectangles are given with non-zero corners so that a result of
// zeros, or of the destination's own corners, shows up.
constexpr std::array kCases = {
    UniteCase{"empty destination takes a non-empty source",
              {10, 20, 110, 220},
              {5, 5, 5, 40},
              {10, 20, 110, 220}},
    UniteCase{"empty destination takes an empty source's corners, not zeros",
              {7, 9, 3, 30},
              {50, 60, 40, 70},
              {7, 9, 3, 30}},
    UniteCase{"empty source leaves a non-empty destination alone",
              {-5, -5, 100, -5},
              {0, 0, 64, 48},
              {0, 0, 64, 48}},
    UniteCase{"two non-empty rectangles give the smallest one covering both",
              {-8, 10, 40, 90},
              {0, -4, 64, 48},
              {-8, -4, 64, 90}},
};

TEST(UniteRect, CoversTheSourceOrTakesItWhenTheDestinationIsEmpty) {
  for (const UniteCase& c : kCases) {
    SCOPED_TRACE(c.what);
    PF_LRect destination = c.destination;
    UniteRect(c.source, destination);
    EXPECT_EQ(CornersOf(destination), CornersOf(c.expected));
  }
}

}  // namespace
}  // namespace tavrelio
