#include "desktop/accessibles.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "app/constants.h"
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
// stands on (-1: none yet), read in words as the read-out. Only the keys
// move the read-out; a value set from outside is not taken.
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
  QVariant maximumValue() const override { return kLastSample; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  static constexpr int kLastSample = 1023;
  PictureBoxWidget* Plot() const { return static_cast<PictureBoxWidget*>(widget()); }
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
