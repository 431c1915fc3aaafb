#include "tarnavel/version.h"

namespace tarnavel {

const char* const TarnavelVersionString = "1.0";
const double TarnavelVersionNumber = 1.0;

}  // namespace tarnavel
