#include "app/view/logo.h"

#include <QString>

#include "app/constants.h"

namespace view {
namespace {

QImage Load(std::string_view resource) {
  return QImage(QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size())));
}

}  // namespace

Logo::Logo() : normal_(Load(app::kLogoResource)), sharp_(Load(app::kSharpLogoResource)) {}

const QImage& Logo::For(double devicePixelRatio) const {
  return devicePixelRatio >= app::kSharpLogoRatio ? sharp_ : normal_;
}

}  // namespace view
