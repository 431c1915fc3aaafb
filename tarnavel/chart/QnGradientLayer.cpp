#include "tarnavel/chart/QnGradientLayer.h"

namespace tarnavel {

const char* const QnGradientLayerProperties[5] = {"gradientDirection", "gradientRadius", "colors",
                                                  "locations", "gradientStyle"};

}  // namespace tarnavel
