// The frame image laid over a picker cell and the divider images between a date picker's wheels; the host
// supplies both by name, in the colour its column asks for.
#include <string>
#include <vector>

#include "tarnavel/grid/internal/DataGridBinder.h"

namespace tarnavel {

namespace {

std::string colorPrefix(DataGridPickerFrameColor color) {
  switch (color) {
    case DataGridPickerFrameColorBlack:
      return "black";
    case DataGridPickerFrameColorRed:
      return "red";
    case DataGridPickerFrameColorWhite:
      return "white";
    case DataGridPickerFrameColorGreen:
      return "green";
    case DataGridPickerFrameColorYellow:
      return "yellow";
    case DataGridPickerFrameColorBrown:
      return "brown";
    default:
      return "blue";  // blue, and every value outside the list
  }
}

// Where the wheels of each mode meet, in the 320-wide reference picker.
std::vector<CGFloat> dividerPositions(UIDatePickerMode mode) {
  switch (mode) {
    case UIDatePickerModeCountDownTimer:
      return {140};
    case UIDatePickerModeDate:
      return {150, 200};
    case UIDatePickerModeDateAndTime:
      return {140, 180, 240};
    case UIDatePickerModeTime:
      return {120, 177};
  }
  return {};
}

}  // namespace

void addPickerFrame(UIView& cell, const UIView& picker, DataGridPickerFrameColor color) {
  auto frame = std::make_shared<UIImageView>(picker.frame());
  frame->image = UIImage::imageNamed(colorPrefix(color) + "PickerFrame.png");
  cell.addSubview(std::move(frame));
}

void addDatePickerDividers(UIView& cell, const UIDatePicker& picker, DataGridPickerFrameColor color,
                           CGSize scale) {
  const auto image = UIImage::imageNamed(colorPrefix(color) + "PickerFrameDiv.png");
  // A missing image gives dividers of no size at the picker's vertical middle.
  const CGSize imageSize = image ? image->size() : CGSize{};
  const CGRect shown = picker.frame();
  const CGFloat height = imageSize.height * scale.height;
  const CGFloat y = shown.origin.y + (shown.size.height - height) / 2;
  for (const CGFloat x : dividerPositions(picker.datePickerMode)) {
    auto divider = std::make_shared<UIImageView>();
    divider->image = image;
    divider->setFrame(CGRectMake(shown.origin.x + x * scale.width, y, imageSize.width * scale.width, height));
    cell.addSubview(std::move(divider));
  }
}

}  // namespace tarnavel
