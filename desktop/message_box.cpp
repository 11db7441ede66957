#include "desktop/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

namespace desktop {

void ShowMessageBox(QWidget* parent, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace desktop
