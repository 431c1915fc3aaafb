#pragma once

#include <memory>
#include <string>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// A font by name and size. The platform keeps one shared object per name and size, so fonts can be
/// compared by identity. A name of the form "Family-Style" ("Verdana-Bold") selects that face of the family;
/// a family that is not installed resolves through fontconfig to the closest installed one.
class UIFont {
 public:
  UIFont(std::string name, CGFloat size);

  /// Never null: an unknown name still gives a font, drawn with the fallback family.
  static std::shared_ptr<UIFont> fontWithName(const std::string& name, CGFloat size);
  static std::shared_ptr<UIFont> systemFontOfSize(CGFloat size);

  const std::string& fontName() const { return name_; }
  CGFloat pointSize() const { return size_; }
  /// The family part of the name ("Verdana" for "Verdana-Bold"); "Sans" for the system font.
  const std::string& familyName() const { return family_; }
  bool isBold() const { return bold_; }
  bool isItalic() const { return italic_; }

 private:
  std::string name_;
  std::string family_;
  CGFloat size_;
  bool bold_ = false;
  bool italic_ = false;
};

}  // namespace tarnavel
