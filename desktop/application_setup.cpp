#include "desktop/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStringList>
#include <QStyleFactory>

#include "app/constants.h"

namespace desktop {

void ConfigureApplication() {
  QApplication::setApplicationName(QStringLiteral("sorvane-demo"));
  // On Wayland the compositor matches the window to its menu entry, and so to
  // the entry's icon and name, by this id alone.
  QGuiApplication::setDesktopFileName(
      QString::fromUtf8(app::kDesktopFileName.data(), app::kDesktopFileName.size()));
  const QString iconName = QString::fromUtf8(app::kIconName.data(), app::kIconName.size());
  const QString iconFile = QString::fromUtf8(app::kIconResource.data(), app::kIconResource.size());
  QApplication::setWindowIcon(QIcon::fromTheme(iconName, QIcon(iconFile)));
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
  // The captions name a face that Debian does not ship; these have its metrics
  // closely enough that every caption fits its control.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                              QStringLiteral("Sans Serif")});
}

}  // namespace desktop
