#pragma once

#include "platform/font_desc.h"

#include <QWidget>

// The little window that names the colour under the mouse. It never takes the focus or the mouse.
class TColorHintWindow : public QWidget {
public:
    TColorHintWindow();

    // Shows the text with its top-left corner at a screen point.
    void ShowAt(QPoint screenPos, const QString& text, const TFontDesc& font);
    QString Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    TFontDesc font_;
};
