// Keys and the wheel over the viewer.
#include "preview.h"

#include "preview_workspace.h"
#include "zoom_rules.h"

#include <QKeyEvent>

namespace {

// One wheel message scrolls this far, whatever its delta.
constexpr int kWheelStep = 20;

}  // namespace

void TfrxPreview::ScrollBy(int dx, int dy)
{
    workspace_->SetPosition(workspace_->Position() + QPoint(dx, dy));
}

bool TfrxPreview::HandleKey(QKeyEvent* event)
{
    constexpr int line = TfrxPreviewWorkspace::kSmallChange;
    constexpr int page = TfrxPreviewWorkspace::kLargeChange;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up: ScrollBy(0, -line); return true;
    case Qt::Key_Down: ScrollBy(0, line); return true;
    case Qt::Key_Left: ScrollBy(-line, 0); return true;
    case Qt::Key_Right: ScrollBy(line, 0); return true;
    case Qt::Key_PageUp: ctrl ? Prior() : ScrollBy(0, -page); return true;
    case Qt::Key_PageDown: ctrl ? Next() : ScrollBy(0, page); return true;
    case Qt::Key_Home: First(); return true;
    case Qt::Key_End: Last(); return true;
    default: break;
    }
    if (ctrl && event->key() == Qt::Key_C && (Buttons() & pbCopy)) {
        InternalCopy();
        return true;
    }
    if (!(Buttons() & pbFind))
        return false;
    if (event->key() == Qt::Key_F3) {
        FindNext();
        return true;
    }
    if (ctrl && event->key() == Qt::Key_F) {
        Find();
        return true;
    }
    return false;
}

void TfrxPreview::MouseWheelScroll(int delta, Qt::KeyboardModifiers modifiers, bool horizontal)
{
    if (delta == 0)
        return;
    if (modifiers & Qt::ControlModifier) {
        SetZoom(WheelZoom(zoom_, delta));
        return;
    }
    const int step = delta > 0 ? -kWheelStep : kWheelStep;
    if (horizontal)
        ScrollBy(step, 0);
    else
        ScrollBy(0, step);
}
