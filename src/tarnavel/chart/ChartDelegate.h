#pragma once

namespace tarnavel {

class UIChart;

/// What a chart tells its host. The chart holds its delegate weakly: a released delegate is not called.
class ChartDelegate {
 public:
  virtual ~ChartDelegate() = default;

  /// A person tapped `chart`. Not overridden: nothing happens.
  virtual void chartTapped(UIChart& /*chart*/) {}
};

}  // namespace tarnavel
