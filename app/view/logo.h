#pragma once

#include <QImage>

namespace view {

/// The window's logo in both sizes the program ships: the 300 x 48 picture
/// and the same design at 600 x 96 for high-density screens.
class Logo {
 public:
  /// Loads both pictures from the program's resources.
  Logo();

  /// The picture to draw on a device with `devicePixelRatio` device pixels
  /// per logical pixel (1 or more): the large one from 1.5 on.
  const QImage& For(double devicePixelRatio) const;

 private:
  QImage normal_;
  QImage sharp_;
};

}  // namespace view
