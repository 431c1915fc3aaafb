#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace tarnavel {

class ChartItem;
class ChartSeries;
class LayerCopyBudget;

/// The drawer whose own settings follow the copy of a series' template.
enum class ShapeTemplateUse {
  /// No shadow colour; a grey stroke where the template has none.
  Pie,
  /// As the pie, then a 0.2 line width.
  Cylinder,
  /// A white stroke where the template has none; the template's shadow colour stays.
  Line,
  /// The template as it is.
  Area,
};

/// A new shape layer styled as the series' template (`shape`): every layer property but the tree (mask,
/// sublayers), the path, bounds and frame; then the drawer's own settings. A series without a template
/// gives a layer whose copied properties are all zero or null (it shows nothing).
std::shared_ptr<CAShapeLayer> copyShapeTemplate(const ChartSeries& series, ShapeTemplateUse use);

/// The hue of an item without a colour: item k of n in series j, spread round the circle, series after
/// series a tenth further and odd series reversed; 0.05 where that gives 0 or less. Above 1 from series 2
/// on.
float automaticHue(std::size_t k, std::size_t n, std::size_t j);

/// Fills `layer` with the item's background colour, or with the automatic hue (full saturation and
/// brightness) when it has none, and stores the fill back as the item's background colour, so that a later
/// bind keeps it.
void automaticItemColor(ChartItem& item, CAShapeLayer& layer, std::size_t k, std::size_t n, std::size_t j);

/// `count` independent deep copies of a finished layer tree (sublayers, their paths, colours, transforms and
/// masks), as the tree stands now; fewer (as many as it still holds) when the bind's allowance of copied
/// layers runs out.
std::vector<std::shared_ptr<CALayer>> archivedLayerCopy(const CALayer& layer, std::size_t count,
                                                        LayerCopyBudget& budget);

/// Hands the template's shadow (colour, opacity, offset, radius, path) to `target`, the one layer of a wall
/// or body that casts it.
void applyTemplateShadow(const ChartSeries& series, CALayer& target);

}  // namespace tarnavel
