#include "tarnavel/chart/MarkedRegion.h"

#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/internal/StyledBox.h"

namespace tarnavel {

markedRegion::markedRegion(CGRect frame) : UIView(frame) {
  baseInit();
}

markedRegion::markedRegion(const NSCoder& coder) : UIView(coder) {
  baseInit();
}

void markedRegion::baseInit() {
  setStyledBoxLeadDefaults(*this, *this);
  clearStyledBoxBorder(*this);
  // A region is a translucent red band by default, from top to bottom alike.
  setStyledBoxFillDefaults(*this, {1, 0, 2, UIColor::colorWithRed(0.9, 0.01, 0.01, 0.2),
                                   UIColor::colorWithRed(0.9, 0.01, 0.01, 0.2)});
  Title = std::make_shared<UILabel>();
}

}  // namespace tarnavel
