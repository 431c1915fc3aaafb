#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

class UIChart;

/// What one bind of a chart put into objects that outlive the bind: layers on the chart's layer, the plot
/// area's layer, item views' and bullets' layers; views in the plot area, the legend zone and the regions;
/// the chart's tap recognizer; the image it set as such a layer's contents. The next bind of the same chart
/// takes exactly these away first (putting back the contents the layer had before), so a chart bound twice
/// looks like a chart bound once, while whatever the host added itself stays.
///
/// Every step of a bind (the background, the drawers, the decorators, the legends) adds through this record
/// instead of calling addSublayer / addSubview / addGestureRecognizer or setting contents on the target
/// itself. Additions to an object the same bind created need not be recorded, but recording them does no
/// harm.
class ChartBindRecord {
 public:
  /// Appends `layer` on top of `target`'s sublayers.
  void addSublayer(const std::shared_ptr<CALayer>& target, std::shared_ptr<CALayer> layer);
  /// Appends `view` on top of `parent`'s children (moving it when it is already there).
  void addSubview(const std::shared_ptr<UIView>& parent, std::shared_ptr<UIView> view);
  void addGestureRecognizer(const std::shared_ptr<UIView>& view,
                            std::shared_ptr<UIGestureRecognizer> recognizer);
  /// Sets `target`'s contents, remembering what it held before.
  void setContents(const std::shared_ptr<CALayer>& target, std::shared_ptr<CGImage> contents);

  /// Takes away everything recorded that is still where the bind put it (the views and layers of one parent
  /// in one pass), and forgets it all. Something the host has moved elsewhere since is left where it now is;
  /// contents the host has replaced since stay.
  void undo();
  bool empty() const {
    return layers_.empty() && views_.empty() && recognizers_.empty() && contents_.empty();
  }

 private:
  template <class Parent, class Child>
  struct Addition {
    std::weak_ptr<Parent> parent;
    std::weak_ptr<Child> child;
  };
  struct ContentsChange {
    std::weak_ptr<CALayer> target;
    std::shared_ptr<CGImage> before;
    std::shared_ptr<CGImage> after;
  };

  std::vector<Addition<CALayer, CALayer>> layers_;
  std::vector<Addition<UIView, UIView>> views_;
  std::vector<Addition<UIView, UIGestureRecognizer>> recognizers_;
  std::vector<ContentsChange> contents_;
};

/// The record of the chart's binds.
ChartBindRecord& bindRecordOf(UIChart& chart);

}  // namespace tarnavel
