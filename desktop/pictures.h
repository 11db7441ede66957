#pragma once

#include <QImage>
#include <string_view>

namespace desktop {

/// The window's pictures from the program's resources: the 300 x 48 logo,
/// and the same design at 600 x 96 for high-density screens.
class Pictures {
 public:
  /// Loads the pictures.
  Pictures();

  /// The picture the model names `name` as drawn on a device with
  /// `devicePixelRatio` device pixels per logical pixel (1 or more): the
  /// large logo from 1.5 on. An unknown name gives a null image.
  const QImage& For(std::string_view name, double devicePixelRatio) const;

 private:
  QImage logo_;
  QImage sharpLogo_;
  QImage none_;
};

}  // namespace desktop
