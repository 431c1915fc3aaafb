#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tarnavel/platform/controls/UIControl.h"
#include "tarnavel/platform/controls/UITextInputTraits.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// A one-line editable text. Setting `text` from code sends nothing; `typeText` and `endEditing` act as a
/// person typing and leaving the field, and send the editing events.
class UITextField : public UIControl, public UITextInputTraits {
 public:
  explicit UITextField(CGRect frame = CGRectZero);
  explicit UITextField(const NSCoder& coder);

  std::string text;
  /// Null draws black.
  std::shared_ptr<UIColor> textColor;
  /// Null draws the system font at 17.
  std::shared_ptr<UIFont> font;
  NSTextAlignment textAlignment = NSTextAlignment::Natural;
  /// Shown in gray while the text is empty.
  std::optional<std::string> placeholder;
  /// Stands in for the styled placeholder; kept apart from `placeholder`.
  std::optional<std::string> attributedPlaceholder;
  NSInteger borderStyle = 0;  // 0 none, 1 line, 2 bezel, 3 rounded rectangle
  NSInteger clearButtonMode = 0;
  bool clearsOnBeginEditing = false;
  bool adjustsFontSizeToFitWidth = false;
  CGFloat minimumFontSize = 0;
  std::shared_ptr<UIImage> background;
  std::shared_ptr<UIImage> disabledBackground;
  std::shared_ptr<UIView> leftView;
  std::shared_ptr<UIView> rightView;
  NSInteger leftViewMode = 0;
  NSInteger rightViewMode = 0;

  bool isEditing() const { return editing_; }
  /// Types `typed` as a person would: editing begins first when it has not (EditingDidBegin), then each
  /// character is appended and sends EditingChanged. A disabled or non-interactive field takes nothing.
  void typeText(std::string_view typed);
  /// Replaces the whole text in one change, as a person does by pasting over all of it or taking a
  /// suggestion: editing begins first when it has not, then one EditingChanged.
  void replaceAllText(std::string_view replacement);
  /// Leaves the field: sends EditingDidEnd when it was being edited.
  void endEditing();
  /// True while an entry is being typed keystroke by keystroke: from the first character typed after
  /// editing began, or after the whole text was replaced, until editing ends (the EditingDidEnd targets
  /// still see it). False while the text is a complete entry: untouched, replaced whole, or left.
  bool isTypingEntry() const { return typingEntry_; }

  void drawContent(CGContext& context) const override;

 private:
  bool beginEditing();

  bool editing_ = false;
  bool typingEntry_ = false;
};

}  // namespace tarnavel
