#include "tarnavel/chart/ChartGlobals.h"

namespace tarnavel {

CGFloat itemsCount = 0;
bool negativeOnly = false;
bool positiveAndNegative = false;

}  // namespace tarnavel
