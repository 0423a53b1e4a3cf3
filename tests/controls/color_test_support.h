#pragma once

#include "platform/colors.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

// What a TColor looks like in a rendered image (0xRRGGBB).
inline QRgb Rgb(TColor color) { return ToQColor(color).rgb() & 0xFFFFFF; }

inline QRgb PixelAt(const QImage& image, QPoint point) { return image.pixel(point) & 0xFFFFFF; }

inline QImage Render(QWidget& widget) { return widget.grab().toImage(); }

// A mouse move with no button held, as the window system sends while the mouse hovers.
inline void HoverAt(QWidget& widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// Shows a top-level window and makes it the active one, so focus and foreground checks hold.
inline void ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}
