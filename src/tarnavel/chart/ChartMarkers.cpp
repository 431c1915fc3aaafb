#include "tarnavel/chart/ChartMarkers.h"

#include <string>

#include "tarnavel/platform/foundation/Format.h"

namespace tarnavel {

namespace {

// The markers are compared as printed text so that any value close enough to print the same counts.
bool printsAs(CGFloat value, const char* text) {
  return formatFixed(value, 2) == text;
}

}  // namespace

bool isChartMaxValueUnset(CGFloat maxValue) {
  return maxValue < 0;
}

bool isChartRegionXUnset(CGFloat xStart, CGFloat xEnd) {
  return printsAs(xStart, "-1.01") && printsAs(xEnd, "-1.01");
}

bool isChartPieCenterUnset(CGPoint center) {
  return printsAs(center.x, "-111.11") && printsAs(center.y, "-111.11");
}

}  // namespace tarnavel
