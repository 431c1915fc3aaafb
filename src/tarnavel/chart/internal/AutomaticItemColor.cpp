#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/internal/LayerHelpers.h"

namespace tarnavel {

float automaticHue(std::size_t k, std::size_t n, std::size_t j) {
  // The hue is worked in single precision, the series step added in double precision, as the colours that
  // hosts have seen were made.
  float h = n == 0 ? 0.0f : static_cast<float>(k) / static_cast<float>(n);
  h = static_cast<float>(static_cast<double>(h) + 0.1 * static_cast<double>(j));
  if (j % 2 == 1) h = 1.0f - h;
  return h > 0.0f ? h : 0.05f;
}

void automaticItemColor(ChartItem& item, CAShapeLayer& layer, std::size_t k, std::size_t n, std::size_t j) {
  if (item.backgroundColor())
    layer.fillColor = item.backgroundColor()->CGColor();
  else
    layer.fillColor = UIColor::colorWithHue(automaticHue(k, n, j), 1.0, 1.0, 1.0)->CGColor();
  item.setBackgroundColor(UIColor::colorWithCGColor(layer.fillColor));
}

}  // namespace tarnavel
