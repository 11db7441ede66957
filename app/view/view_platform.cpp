#include "app/view/view_platform.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

namespace view {

void ViewPlatform::MsgBox(std::string_view text) {
  if (onMessage_) {
    onMessage_(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, parent_);
  box.exec();
}

void ViewPlatform::Drag(app::CommandButton& source) {
  if (onDrag_) onDrag_(source);
}

}  // namespace view
