#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/FillOverlay.h"
#include "tarnavel/chart/internal/HatchGeometry.h"
#include "tarnavel/chart/internal/SegmentLayer.h"

namespace tarnavel {

std::vector<std::shared_ptr<CALayer>> addHatchLines(const ChartStyle& style, CGSize size,
                                                    const std::shared_ptr<CALayer>& target,
                                                    ChartBindRecord& record) {
  std::vector<std::shared_ptr<CALayer>> added;
  if (!target) return added;
  for (const HatchSegment& segment : hatchSegments(size, style.hatchLineStepHeight)) {
    auto line = makeSegmentLayer(segment.from, segment.to, style.hatchLineWidth, style.foregroundColor);
    added.push_back(line);
    record.addSublayer(target, std::move(line));
  }
  return added;
}

}  // namespace tarnavel
