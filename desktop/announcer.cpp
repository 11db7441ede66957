#include "desktop/announcer.h"

namespace desktop {

Announcer::Announcer(QWidget* window) : QWidget(window), note_(new AnnouncementNote(this)) {
  setObjectName(QStringLiteral("announcer"));
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 0, 0);
  note_->setGeometry(0, 0, 0, 0);
  note_->hide();
}

// Hidden and shown again, the notification appears once more: a screen
// reader speaks every appearance.
void Announcer::Say(const QString& text) {
  text_ = text;
  note_->hide();
  note_->show();
}

}  // namespace desktop
