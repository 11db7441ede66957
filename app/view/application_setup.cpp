#include "app/view/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QStringList>
#include <QStyleFactory>

namespace view {

void ConfigureApplication() {
  QApplication::setApplicationName(QStringLiteral("sorvane-demo"));
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
  // The captions name a face that Debian does not ship; these have its metrics
  // closely enough that every caption fits its control.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                              QStringLiteral("Sans Serif")});
}

}  // namespace view
