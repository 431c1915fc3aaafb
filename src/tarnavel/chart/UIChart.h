#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "tarnavel/chart/ChartDelegate.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/chart/LegendArea.h"
#include "tarnavel/platform/foundation/SwallowedExceptions.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

class ChartBindRecord;
class ChartSeries;
class UITapGestureRecognizer;
class legend;
class markedRegion;

/// The chart's plain settings, with the defaults every new chart has.
struct UIChartSettings {
  /// `ChartType`: which drawer a bind runs.
  NSUInteger chartType = ChartTypeBar;
  /// `ChartOrientation`: direction of the value axis.
  NSUInteger orientation = 0;
  /// Degrees.
  CGFloat yAxisTitleLabelRotationAngle = 90.0;
  /// `ChartVerticalLocation`.
  NSUInteger yAxisTitleVerticalLocation = 0;
  std::shared_ptr<UIColor> yAxisLabelsTextColor = UIColor::whiteColor();
  std::shared_ptr<UIFont> yAxisLabelsFont = UIFont::systemFontOfSize(5.0);
  bool yAxisLabelsHidden = false;
  bool yAxisLinesHidden = false;
  /// Value steps per labelled tick.
  int yAxisScaleUnitsCount = 4;
  /// Degrees.
  CGFloat xAxisTitleLabelRotationAngle = 0;
  /// `ChartHorizontalLocation`.
  NSUInteger xAxisTitleHorizontalLocation = 2;
  CGFloat xAxisTitleXshift = 0;
  CGFloat xAxisTitleYshift = 0;
  std::shared_ptr<UIColor> xAxisLabelsTextColor = UIColor::whiteColor();
  std::shared_ptr<UIFont> xAxisLabelsFont = UIFont::systemFontOfSize(5.0);
  bool xAxisLabelsHidden = true;
  bool xAxisLinesHidden = true;
  /// An item whose category label has no text is labelled with its 1-based index.
  bool xAxisLabelsShowDefaultOrderNumbers = false;
  /// `ChartHorizontalLocation` of the legend zone.
  NSUInteger legendZoneHorizontalLocation = 2;
  /// `ChartVerticalLocation` of the legend zone.
  NSUInteger legendZoneVerticalLocation = 0;
  /// `ChartLegendsInterposition`: entries in a column or a row.
  NSUInteger legendsInterpositions = 0;
  /// Lower end of the value axis; a bind computes it and writes it back.
  CGFloat minValue = 0;
  /// Upper end of the value axis; `kChartUnsetMaxValue` (or any negative value) asks a bind to compute it.
  CGFloat maxValue = kChartUnsetMaxValue;
  /// Share of a category slot the bars or cylinders take; outside [0, 1] it is written back as 0.5.
  CGFloat itemBreadth = 0.5;

  friend bool operator==(const UIChartSettings&, const UIChartSettings&) = default;
};

/// The chart control. The host sets its properties, fills `series` (and optionally `legends` and
/// `markedRegions`), sets the delegate and binds; binding builds the chart as views and layers under this
/// view. Some properties are written back by a bind so that the next one starts from them.
///
/// Its style defaults: no background colour, white foreground, layout style 0 (unfilled), a radial gradient
/// (style 1) in direction 0 from translucent red to translucent blue, and the shared rest of `ChartStyle`.
class UIChart : public UIView, public ChartStyle, public UIChartSettings, public ChartDelegate {
 public:
  /// initWithFrame:
  explicit UIChart(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit UIChart(const NSCoder& coder);
  ~UIChart() override;

  /// Made with frame (0, 0, 222, 22); a bind sizes it to its text while it still has exactly that frame.
  std::shared_ptr<UILabel> chartTitle;
  /// A bind gives it a default frame while its frame is empty.
  std::shared_ptr<UIView> plotArea;
  std::vector<std::shared_ptr<markedRegion>> markedRegions;
  /// Value-axis title: placed only when its text is not "" and its frame is empty.
  std::shared_ptr<UILabel> yAxisTitleLabel;
  /// Category-axis title, placed like the value-axis title.
  std::shared_ptr<UILabel> xAxisTitleLabel;
  std::shared_ptr<legendArea> legendZone;
  /// The legend entries, in display order.
  std::vector<std::shared_ptr<legend>> legends;
  /// The data; series 0 gives the item count.
  std::vector<std::shared_ptr<ChartSeries>> series;

  /// Builds the chart from its properties, as views and layers under this view: clears what the previous
  /// bind built, fills the background, places the title and the plot area, scans the values for the value
  /// range, runs the drawer of `chartType`, adds the plot area, lays out the legends in the legend zone and
  /// installs the chart's tap recognizer. An NSException on the way ends the bind silently, keeping the
  /// steps already done.
  void DataBind();
  /// The reason a protected step of this chart's last bind or handler ended early, if one did; a bind that
  /// ends without one clears it. setSwallowedExceptionHandler() hears every one as it happens.
  const std::optional<NSException>& lastSwallowedException() const { return exceptions_.last(); }
  /// The record behind lastSwallowedException(), written by the chart's protected steps.
  ExceptionRecord& exceptionRecord() { return exceptions_; }
  /// The tap recognizer's action: sends `chartTapped` to the delegate, when there is one.
  void tappedChart(UITapGestureRecognizer& recognizer);

  /// The delegate, held weakly and read and written atomically: null once the host released it.
  std::shared_ptr<ChartDelegate> delegate() const { return delegate_.load().lock(); }
  void setDelegate(std::weak_ptr<ChartDelegate> delegate) { delegate_.store(std::move(delegate)); }

 private:
  friend ChartBindRecord& bindRecordOf(UIChart& chart);

  void baseInit();

  std::atomic<std::weak_ptr<ChartDelegate>> delegate_;
  std::unique_ptr<ChartBindRecord> bindRecord_;
  ExceptionRecord exceptions_;
};

}  // namespace tarnavel
