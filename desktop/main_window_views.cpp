// The views beside the lesson, as its scene offers them: each shown and
// hidden by Ctrl and its key in any of the windows and by an entry in its
// control's context menu, in a window of its own that opens beside the
// lesson where the screen has room, and hidden by Esc or by closing it.
#include <QAction>
#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>

#include "desktop/main_window.h"
#include "desktop/placement.h"

namespace desktop {

void SorvaneWindow::OfferViews(const app::Scene& scene) {
  for (const app::ViewItem& view : scene.views) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(view.key)), this);
    connect(shortcut, &QShortcut::activated, this, [this, name = view.name] { ToggleView(name); });
    const auto control = widgets_.find(view.menuOf);
    if (control == widgets_.end()) continue;
    auto* entry = new QAction(QString::fromStdString(view.caption), control->second);
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, this, [this, name = view.name] { ToggleView(name); });
    control->second->addAction(entry);
    control->second->setContextMenuPolicy(Qt::ActionsContextMenu);
    viewActions_.emplace(view.name, entry);
  }
}

void SorvaneWindow::ToggleView(const std::string& view) {
  for (const app::ViewItem& offered : model_.View().views) {
    if (offered.name == view) Apply(app::ShowView{view, !offered.shown});
  }
}

void SorvaneWindow::ShowViews(const std::vector<app::ViewItem>& views) {
  for (const app::ViewItem& view : views) {
    if (const auto entry = viewActions_.find(view.name); entry != viewActions_.end()) {
      entry->second->setChecked(view.shown);
    }
    auto window = views_.find(view.name);
    if (!view.shown) {
      if (window != views_.end() && window->second->isVisible()) window->second->hide();
      continue;
    }
    if (window == views_.end()) window = views_.emplace(view.name, new SorvaneWindow(model_, view.name, *this)).first;
    SorvaneWindow& shown = *window->second;
    shown.ShowScene(shown.SceneNow());
    if (!shown.isVisible()) {
      shown.PlaceBesideLesson();
      shown.show();
    }
  }
}

// Before it is first shown, a window's decoration is not known: the
// lesson's is taken for it.
void SorvaneWindow::PlaceBesideLesson() {
  const QScreen* display = lesson_->screen();
  if (display == nullptr) return;
  const QSize frame = isVisible() ? frameGeometry().size() : size() + lesson_->FrameExtra();
  if (const auto at = PlaceBeside(lesson_->frameGeometry(), frame, display->availableGeometry())) move(*at);
}

SorvaneWindow* SorvaneWindow::ViewWindow(std::string_view view) const {
  const auto window = views_.find(view);
  return window != views_.end() ? window->second : nullptr;
}

// The model says which views show: it hides the window once it has taken
// the close.
void SorvaneWindow::closeEvent(QCloseEvent* event) {
  if (lesson_ == nullptr) {
    QWidget::closeEvent(event);
    return;
  }
  event->ignore();
  Apply(app::ShowView{view_, false});
}

}  // namespace desktop
