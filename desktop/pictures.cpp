#include "desktop/pictures.h"

#include <QString>

#include "app/constants.h"

namespace desktop {
namespace {

QImage Load(std::string_view picture) {
  return QImage(QStringLiteral(":/sorvane/") +
                QString::fromUtf8(picture.data(), static_cast<qsizetype>(picture.size())));
}

}  // namespace

Pictures::Pictures() : logo_(Load(app::kLogoPicture)), sharpLogo_(Load(app::kSharpLogoPicture)) {}

const QImage& Pictures::For(std::string_view name, double devicePixelRatio) const {
  if (name != app::kLogoPicture) return none_;
  return devicePixelRatio >= app::kSharpLogoRatio ? sharpLogo_ : logo_;
}

}  // namespace desktop
