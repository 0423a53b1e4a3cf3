#include "screen_info.h"

#include "rounding.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int kDefaultPixelsPerInch = 96;

}  // namespace

int ScreenPixelsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? RoundHalfEven(screen->logicalDotsPerInchY()) : kDefaultPixelsPerInch;
}

QRect PrimaryWorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QList<QRect> WorkAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}
