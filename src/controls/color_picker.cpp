#include "color_picker.h"

#include "color_hint_window.h"
#include "color_picker_keys.h"
#include "assign_changed.h"

#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "platform/visual_styles.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int kPickerBorderWidth = 2;
// Where a colour's hint goes, from the bottom-left corner of its cell.
constexpr QPoint kHintOffset(4, 12);

bool InForeground() { return QGuiApplication::applicationState() == Qt::ApplicationActive; }

}  // namespace

TRzColorPicker::TRzColorPicker(QWidget* parent) : TRzCustomPanel(parent)
{
    SetBorderWidth(kPickerBorderWidth);
    SetColor(clWindow);
    SetBorderColor(clWindow);
    // Under a stored visual style the frame is one plain line; the platform's own look sinks it.
    SetFlatColorAdjustment(0);
    SetBorderOuter(VisualStyles::Instance().IsSystemStyle() ? fsLowered : fsFlat);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    AdjustSize();
}

TRzColorPicker::~TRzColorPicker() = default;

void TRzColorPicker::SetRow(bool& field, bool show)
{
    if (AssignChanged(field, show))
        PartsChanged();
}

void TRzColorPicker::PartsChanged()
{
    AdjustSize();
    update();
}

void TRzColorPicker::FontChanged() { PartsChanged(); }

void TRzColorPicker::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustSize();
}

void TRzColorPicker::AdjustSize()
{
    if (autoSize_)
        resize(PickerNaturalSize(rows_, ButtonRowHeight()));
}

int TRzColorPicker::ButtonRowHeight() const { return PickerButtonRowHeight(Font().height); }

PickerLayout TRzColorPicker::Layout() const { return PickerLayout(InsideFrameRect(), rows_, ButtonRowHeight()); }

void TRzColorPicker::SetIsPopup(bool isPopup)
{
    isPopup_ = isPopup;
    setFocusPolicy(isPopup ? Qt::NoFocus : Qt::StrongFocus);
}

void TRzColorPicker::SetShowColorHints(bool show)
{
    showColorHints_ = show;
    if (!show)
        HideHint();
}

void TRzColorPicker::SetCustomColor(TColor color) { RepaintIf(AssignChanged(customColor_, color)); }
void TRzColorPicker::SetDefaultColor(TColor color) { RepaintIf(AssignChanged(defaultColor_, color)); }
void TRzColorPicker::SetNoColorCaption(const QString& caption) { RepaintIf(AssignChanged(noColorCaption_, caption)); }
void TRzColorPicker::SetDefaultColorCaption(const QString& caption)
{
    RepaintIf(AssignChanged(defaultColorCaption_, caption));
}
void TRzColorPicker::SetCustomColorCaption(const QString& caption)
{
    RepaintIf(AssignChanged(customColorCaption_, caption));
}
void TRzColorPicker::SetButtonColor(TColor color) { RepaintIf(AssignChanged(buttonColor_, color)); }
void TRzColorPicker::SetButtonFontColor(TColor color) { RepaintIf(AssignChanged(buttonFontColor_, color)); }

void TRzColorPicker::RepaintIf(bool changed)
{
    if (changed)
        update();
}

QString TRzColorPicker::Caption(const QString& caption, const char* fallback) const
{
    return caption.isEmpty() ? QString::fromLatin1(fallback) : caption;
}

TColor TRzColorPicker::SelectedColor() const
{
    switch (selColorIndex_) {
    case kNoColorCode:
    case kGapCode: return clNone;
    case kDefaultColorCode: return defaultColor_;
    case kCustomColorCode:
    case kMoreColorsCode: return customColor_;
    default: return GridColor(selColorIndex_);
    }
}

void TRzColorPicker::SetSelectedColor(TColor color)
{
    const int code = PaletteCodeForColor(color, {rows_.showDefaultColor, rows_.showSystemColors, defaultColor_});
    if (code == kCustomColorCode)
        customColor_ = color;
    SetSelColorIndex(code);
}

void TRzColorPicker::SetSelColorIndex(int code)
{
    // The custom swatch counts as a new choice every time: its colour may have changed.
    if (code == selColorIndex_ && code != kCustomColorCode)
        return;
    selColorIndex_ = code;
    update();
    if (OnChange)
        OnChange(this);
}

void TRzColorPicker::Click()
{
    if (OnClick)
        OnClick(this);
}

void TRzColorPicker::SetHighlight(int code) { RepaintIf(AssignChanged(highlightColorIndex_, code)); }

void TRzColorPicker::UpdateHint(int code)
{
    if (!showColorHints_ || !IsGridCode(code) || !InForeground()) {
        HideHint();
        return;
    }
    const QRect cell = Layout().GridCell(code);
    const QPoint place = mapToGlobal(QPoint(cell.left(), cell.top() + cell.height())) + kHintOffset;
    if (!hint_)
        hint_ = std::make_unique<TColorHintWindow>();
    if (!hint_->isVisible() || hint_->pos() != place)
        hint_->ShowAt(place, GridColorName(code), Font());
}

void TRzColorPicker::HideHint()
{
    if (hint_)
        hint_->hide();
}

void TRzColorPicker::OpenColorDialog()
{
    const std::optional<TColor> chosen = Dialogs().ChooseColor(SelectedColor());
    if (!chosen)
        return;
    customColor_ = *chosen;
    SetSelColorIndex(kCustomColorCode);
}

void TRzColorPicker::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Guarded([&] {
        if (!isPopup_)
            setFocus(Qt::MouseFocusReason);
        pressed_ = true;
        const int code = Layout().HitTest(event->position().toPoint());
        if (code == kGapCode)
            return;
        if (code == kMoreColorsCode) {
            SetHighlight(kNothingCode);
            repaint();
            // The dialog takes the release, so this press ends no click.
            pressed_ = false;
            OpenColorDialog();
            return;
        }
        SetSelColorIndex(code);
    });
}

void TRzColorPicker::mouseMoveEvent(QMouseEvent* event)
{
    const int code = Layout().HitTest(event->position().toPoint());
    if (event->buttons() == Qt::NoButton) {
        SetHighlight(code);
        UpdateHint(code);
        return;
    }
    if (pressed_ && (event->buttons() & Qt::LeftButton) && code != kMoreColorsCode)
        Guarded([&] { SetSelColorIndex(code); });
}

void TRzColorPicker::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint()))
        Guarded([this] { Click(); });
}

void TRzColorPicker::leaveEvent(QEvent*)
{
    SetHighlight(kNothingCode);
    HideHint();
}

void TRzColorPicker::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        event->ignore();
        return;
    }
    auto arrow = [&](PickerArrow direction) {
        const int next = NextPickerCode(selColorIndex_, direction, rows_);
        if (next != selColorIndex_)
            SetSelColorIndex(next);
    };
    Guarded([&] {
        switch (event->key()) {
        case Qt::Key_Left: arrow(PickerArrow::Left); break;
        case Qt::Key_Right: arrow(PickerArrow::Right); break;
        case Qt::Key_Up: arrow(PickerArrow::Up); break;
        case Qt::Key_Down: arrow(PickerArrow::Down); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: Click(); break;
        default: event->ignore(); break;
        }
    });
}
