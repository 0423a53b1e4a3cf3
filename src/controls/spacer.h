#pragma once

#include "controls/toolbar_types.h"

#include <QWidget>

// An empty gap between toolbar buttons, 8 x 25 pixels. Grooved, it draws a separator line across
// its middle (vertical on a horizontal toolbar).
class TRzSpacer : public QWidget {
    Q_OBJECT
public:
    explicit TRzSpacer(QWidget* parent = nullptr);

    bool Grooved() const { return grooved_; }
    void SetGrooved(bool value);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation value);

    void PaintTo(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool grooved_ = false;
    TOrientation orientation_ = orHorizontal;
};
