#include "desktop/accessibles.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "app/constants.h"
#include "desktop/announcer.h"
#include "desktop/command_widgets.h"
#include "desktop/main_window.h"
#include "desktop/picture_box_widget.h"
#include "desktop/point_button.h"

namespace desktop {
namespace {

// A control point: a slider whose increment and decrement are the Up and
// Down keys and whose value set from outside moves the point through the
// key path. It has no "Press": a press of the button does nothing.
class PointAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PointAccessible(PointButton* point) : QAccessibleWidget(point, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return QString::fromStdString(Point()->Item().valueText);
    return QAccessibleWidget::text(kind);
  }

  // A point under the picture box or above the window is not showing, even
  // while it has the focus.
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (!Point()->Mark().showing) state.invisible = true;
    if (Point()->Mark().offscreen) state.offscreen = true;
    return state;
  }

  QVariant currentValue() const override { return Point()->Item().value; }
  void setCurrentValue(const QVariant& value) override {
    bool number = false;
    const double gain = value.toDouble(&number);
    if (number) Point()->RequestGain(gain);
  }
  QVariant maximumValue() const override { return Point()->Item().maximum; }
  QVariant minimumValue() const override { return Point()->Item().minimum; }
  QVariant minimumStepSize() const override { return Point()->Item().smallChange; }

  QStringList actionNames() const override {
    return {increaseAction(), decreaseAction(), setFocusAction()};
  }
  void doAction(const QString& name) override {
    if (name == increaseAction()) {
      Point()->RequestKey(app::kKeyUp);
    } else if (name == decreaseAction()) {
      Point()->RequestKey(app::kKeyDown);
    } else {
      QAccessibleWidget::doAction(name);
    }
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    if (name == increaseAction()) return {QStringLiteral("Up")};
    if (name == decreaseAction()) return {QStringLiteral("Down")};
    return QAccessibleWidget::keyBindingsForAction(name);
  }

 private:
  PointButton* Point() const { return static_cast<PointButton*>(widget()); }
};

// The impulse plot: a chart whose value is the sample its key read-out
// stands on, read in words as the read-out. Only the keys move the
// read-out; a value set from outside is not taken.
class ChartAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ChartAccessible(PictureBoxWidget* plot) : QAccessibleWidget(plot, QAccessible::Chart) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return QString::fromStdString(Plot()->Item().valueText);
    return QAccessibleWidget::text(kind);
  }

  QVariant currentValue() const override { return Plot()->Item().value; }
  void setCurrentValue(const QVariant& /*value*/) override {}
  QVariant maximumValue() const override { return Plot()->Item().maximum; }
  QVariant minimumValue() const override { return Plot()->Item().minimum; }
  QVariant minimumStepSize() const override { return Plot()->Item().smallChange; }

 private:
  PictureBoxWidget* Plot() const { return static_cast<PictureBoxWidget*>(widget()); }
};

// A command button. Shift and Rotate are toggle buttons: checkable, and
// checked while pressed. Only their accessible says so: the widget stays a
// plain push button, whose face a check would sink. Press, and a toggle's
// Toggle, is one click, as the toolkit's own button gives it.
class CommandAccessible : public QAccessibleWidget {
 public:
  explicit CommandAccessible(CommandButtonWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && Button()->accessibleName().isEmpty()) return Button()->text();
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button()->isDown();
    if (const std::optional<bool> pressed = Button()->Pressed()) {
      state.checkable = true;
      state.checked = *pressed;
    }
    return state;
  }

  QStringList actionNames() const override {
    QStringList names{pressAction()};
    if (Button()->Pressed()) names << toggleAction();
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == pressAction() || name == toggleAction()) {
      Button()->animateClick();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

 private:
  CommandButtonWidget* Button() const { return static_cast<CommandButtonWidget*>(widget()); }
};

// The announcer's status bar, and the notification in it, named by what it
// says.
class NoteAccessible : public QAccessibleWidget {
 public:
  explicit NoteAccessible(AnnouncementNote* note) : QAccessibleWidget(note, QAccessible::Notification) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<Announcer*>(widget()->parentWidget())->Text();
    return QAccessibleWidget::text(kind);
  }
};

// The window, whose children a screen reader walks in the Tab order rather
// than in the stacking order.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(SorvaneWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QWidget*> children = Children();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    const std::vector<QWidget*> children = Children();
    for (std::size_t i = 0; i < children.size(); ++i) {
      if (children[i] == child->object()) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  std::vector<QWidget*> Children() const {
    return static_cast<SorvaneWindow*>(widget())->AccessibleChildren();
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String(PointButton::staticMetaObject.className())) {
    return new PointAccessible(static_cast<PointButton*>(object));
  }
  if (className == QLatin1String(PictureBoxWidget::staticMetaObject.className())) {
    return new ChartAccessible(static_cast<PictureBoxWidget*>(object));
  }
  if (className == QLatin1String(CommandButtonWidget::staticMetaObject.className())) {
    return new CommandAccessible(static_cast<CommandButtonWidget*>(object));
  }
  if (className == QLatin1String(Announcer::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::StatusBar);
  }
  if (className == QLatin1String(AnnouncementNote::staticMetaObject.className())) {
    return new NoteAccessible(static_cast<AnnouncementNote*>(object));
  }
  if (className == QLatin1String(SorvaneWindow::staticMetaObject.className())) {
    return new WindowAccessible(static_cast<SorvaneWindow*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibles() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace desktop
