#pragma once

#include <memory>
#include <optional>

#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

class UIView;

/// A run of text positions: `length` characters from `location`.
struct NSRange {
  NSUInteger location = 0;
  NSUInteger length = 0;
  friend bool operator==(const NSRange&, const NSRange&) = default;
};

/// The keyboard and text-entry settings that text fields and text views share. The platform shows no
/// keyboard: these are plain stores, kept for the host and copied as given. Objects the platform does not
/// model stand in as views, dynamic values or a range.
class UITextInputTraits {
 public:
  NSInteger autocapitalizationType = 2;  // sentences
  NSInteger autocorrectionType = 0;
  NSInteger spellCheckingType = 0;
  NSInteger keyboardType = 0;
  NSInteger keyboardAppearance = 0;
  NSInteger returnKeyType = 0;
  bool enablesReturnKeyAutomatically = false;
  bool secureTextEntry = false;
  bool allowsEditingTextAttributes = false;
  bool clearsOnInsertion = false;
  std::shared_ptr<UIView> inputView;
  std::shared_ptr<UIView> inputAccessoryView;
  /// Held weakly, as the toolkit holds it.
  std::weak_ptr<void> inputDelegate;
  /// Attribute dictionaries.
  Value markedTextStyle;
  Value typingAttributes;
  /// Null when there is no selection.
  std::optional<NSRange> selectedTextRange;

 protected:
  ~UITextInputTraits() = default;
};

}  // namespace tarnavel
