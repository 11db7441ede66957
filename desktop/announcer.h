#pragma once

#include <QString>
#include <QWidget>

namespace desktop {

/// Says a text through assistive technology, once per call. Qt 6.4 has no
/// announcement event, and the accessibility bus hands a screen reader the
/// object rather than the words when a name or description changes, so Orca
/// speaks neither; it does speak a notification that appears. The announcer
/// is a status bar that holds one notification: each text is the
/// notification's name, and it is shown afresh. Orca reads a notification
/// inside a status bar by its words alone, without its role. Neither widget
/// draws anything or takes input: both have no size.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  /// Speaks `text`, even when it is the text said last.
  void Say(const QString& text);
  /// What was said last: the notification's name.
  const QString& Text() const { return text_; }

 private:
  QWidget* note_;
  QString text_;
};

/// The notification an Announcer shows.
class AnnouncementNote : public QWidget {
  Q_OBJECT

 public:
  explicit AnnouncementNote(Announcer* announcer) : QWidget(announcer) {}
};

}  // namespace desktop
