#pragma once

#include <QWidget>

#include <initializer_list>
#include <vector>

class QLabel;

// A row of sunken text panels of given widths, left to right. The panels are placed by hand, not
// by a layout: their widths never raise the bar's (and so the window's) minimum size, and a panel
// reaching past the right edge is cut there.
class TStatusBar : public QWidget {
public:
    explicit TStatusBar(std::initializer_list<int> widths, QWidget* parent = nullptr);

    QString Text(int panel) const;
    // The panel is rewritten, and repainted, only when the text differs.
    void SetText(int panel, const QString& text);
    int PanelWidth(int panel) const { return widths_.at(size_t(panel)); }
    void SetPanelWidth(int panel, int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlacePanels();

    std::vector<QLabel*> panels_;
    std::vector<int> widths_;
};
