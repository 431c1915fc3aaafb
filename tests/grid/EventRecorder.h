#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/foundation/NSLocale.h"

namespace tarnavel::testing {

using Events = std::vector<std::string>;

/// Writes down what the grid tells its delegate as "<event> <row>,<column>[ <detail>]" ("title <column>
/// <title>" for titles, "<event>" for the scroll view's, with " from a stranger" unless the grid and scroll
/// view are `grid` and `scroll`). It can answer no to the text view's questions, move a drag's target, give
/// picker rows views of its own, and raise the platform exception from every method after writing it down.
class EventRecorder : public DataGridDelegate {
  using Grid = UIDataGrid;
  using Scroll = UIScrollView;

 public:
  void datagridCellTapped(Grid&, int r, int c, const Value& value) override {
    note("tap", r, c, value.description());
  }
  void datagridColumnTitleTapped(Grid&, int c, const Value& title) override {
    add("title " + std::to_string(c) + " " + title.description());
  }
  void datagridTextFieldColumnCellEditingBegin(Grid&, int r, int c, UITextField&) override {
    note("field-begin", r, c);
  }
  void datagridTextFieldColumnCellEditingChanged(Grid&, int r, int c, UITextField& f) override {
    note("field-changed", r, c, f.text);
  }
  void datagridTextFieldColumnCellEditingEnd(Grid&, int r, int c, UITextField& f) override {
    note("field-end", r, c, f.text);
  }
  bool datagridTextViewColumnCellEditingAboutBegin(Grid&, int r, int c, UITextView&) override {
    return note("view-should-begin", r, c), allowBegin;
  }
  void datagridTextViewColumnCellEditingBegin(Grid&, int r, int c, UITextView&) override {
    note("view-begin", r, c);
  }
  void datagridTextViewColumnCellEditingChanged(Grid&, int r, int c, UITextView& v) override {
    note("view-changed", r, c, v.text);
  }
  void datagridTextViewColumnCellEditingSelectionChanged(Grid&, int r, int c, UITextView&) override {
    note("view-selection", r, c);
  }
  bool datagridTextViewColumnCellEditingAboutEnd(Grid&, int r, int c, UITextView&) override {
    return note("view-should-end", r, c), allowEnd;
  }
  void datagridTextViewColumnCellEditingEnd(Grid&, int r, int c, UITextView&) override {
    note("view-end", r, c);
  }
  void datagridSwitchColumnCellValueChanged(Grid&, int r, int c, UISwitch&) override { note("switch", r, c); }
  void datagridSliderColumnCellValueChanged(Grid&, int r, int c, UISlider&) override { note("slider", r, c); }
  void datagridDatePickerColumnCellEditingChanged(Grid&, int r, int c, UIDatePicker&) override {
    note("date", r, c);
  }
  void datagridDatePickerColumnCellEditingBegin(Grid&, int r, int c, UIDatePicker&) override {
    note("date-begin", r, c);
  }
  void datagridDatePickerColumnCellEditingEnd(Grid&, int r, int c, UIDatePicker&) override {
    note("date-end", r, c);
  }
  void datagridPickerColumnCellRowSelected(Grid&, int r, int c, NSInteger row, NSInteger component,
                                           UIPickerView&) override {
    note("picked", r, c, std::to_string(row) + "/" + std::to_string(component));
  }
  std::shared_ptr<UIView> datagridPickerColumnCellViewForRow(Grid&, int r, int c, NSInteger row,
                                                             NSInteger component,
                                                             const std::shared_ptr<UIView>& reusing,
                                                             UIPickerView&) override {
    if (!evenRowViews) return nullptr;
    note("row-view", r, c,
         std::to_string(row) + "/" + std::to_string(component) + (reusing ? " reusing" : ""));
    return row % 2 == 0 ? std::make_shared<UIView>() : nullptr;
  }
  void datagridScrollViewDidScroll(Grid& g, Scroll& s) override { heard("did-scroll", g, s); }
  void datagridScrollViewWillBeginDragging(Grid& g, Scroll& s) override { heard("begin-drag", g, s); }
  void datagridScrollViewWillEndDragging(Grid& g, Scroll& s, CGPoint v, CGPoint* target) override {
    if (retarget) *target = *retarget;
    heard("end-drag " + Value(v.y).description(), g, s);
  }
  void datagridScrollViewDidEndDragging(Grid& g, Scroll& s, bool coasts) override {
    heard(coasts ? "ended-drag coasting" : "ended-drag", g, s);
  }
  void datagridScrollViewWillBeginDecelerating(Grid& g, Scroll& s) override { heard("begin-coast", g, s); }
  void datagridScrollViewDidEndDecelerating(Grid& g, Scroll& s) override { heard("end-coast", g, s); }
  void datagridScrollViewDidEndScrollingAnimation(Grid& g, Scroll& s) override {
    heard("end-animation", g, s);
  }

  bool allowBegin = true;
  bool allowEnd = true;
  bool raises = false;
  bool evenRowViews = false;  // gives picker rows 0, 2, ... a view of its own, and the others none
  std::optional<CGPoint> retarget;
  const UIDataGrid* grid = nullptr;
  const UIScrollView* scroll = nullptr;
  Events events;

 private:
  void note(const std::string& event, int row, int col, const std::string& detail = "") {
    add(event + " " + std::to_string(row) + "," + std::to_string(col) + (detail.empty() ? "" : " " + detail));
  }
  void heard(const std::string& event, const UIDataGrid& g, const UIScrollView& s) {
    add(&g == grid && &s == scroll ? event : event + " from a stranger");
  }
  void add(std::string event) {
    events.push_back(std::move(event));
    if (raises) raiseException(NSGenericException, "the host failed");
  }
};

/// Makes `identifier` the current locale for as long as it lives.
struct PinnedLocale {
  explicit PinnedLocale(const std::string& identifier) { NSLocale::setCurrentLocaleIdentifier(identifier); }
  ~PinnedLocale() { NSLocale::setCurrentLocaleIdentifier(before); }
  std::string before = NSLocale::currentLocaleIdentifier();
};

}  // namespace tarnavel::testing
