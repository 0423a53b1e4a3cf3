#include "status_bar.h"

#include <QLabel>

#include <numeric>

namespace {

constexpr int kTopGap = 2;
constexpr int kPanelGap = 2;

}  // namespace

TStatusBar::TStatusBar(std::initializer_list<int> widths, QWidget* parent) : QWidget(parent), widths_(widths)
{
    for (size_t i = 0; i < widths_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panels_.push_back(panel);
    }
    PlacePanels();
}

QString TStatusBar::Text(int panel) const { return panels_.at(size_t(panel))->text(); }

void TStatusBar::SetText(int panel, const QString& text)
{
    QLabel* label = panels_.at(size_t(panel));
    if (label->text() != text)
        label->setText(text);
}

void TStatusBar::SetPanelWidth(int panel, int width)
{
    width = std::max(0, width);
    if (widths_.at(size_t(panel)) == width)
        return;
    widths_[size_t(panel)] = width;
    PlacePanels();
}

QSize TStatusBar::sizeHint() const
{
    const int widths = std::accumulate(widths_.begin(), widths_.end(), 0);
    return {widths + kPanelGap * int(widths_.size()), minimumSizeHint().height()};
}

// As narrow as the window likes; only the height is asked for.
QSize TStatusBar::minimumSizeHint() const
{
    return {0, kTopGap + (panels_.empty() ? 0 : panels_.front()->sizeHint().height())};
}

void TStatusBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlacePanels();
}

void TStatusBar::PlacePanels()
{
    int left = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i]->setGeometry(left, kTopGap, widths_[i], height() - kTopGap);
        left += widths_[i] + kPanelGap;
    }
}
