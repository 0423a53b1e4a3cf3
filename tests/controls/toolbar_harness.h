#pragma once

#include "controls/image_list.h"
#include "controls/spacer.h"
#include "controls/tool_button.h"
#include "controls/toolbar.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

// The main window's toolbar on a 545-pixel window: Tahoma 8 pt, the main pictures, captions to the
// right of the images, five buttons and a spacer. Every click is logged as "Click <caption>".
struct MainToolbar {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TImageList* images = nullptr;
    TRzToolbar* toolbar = nullptr;
    TRzToolButton* insert = nullptr;
    TRzToolButton* remove = nullptr;
    TRzToolButton* post = nullptr;
    TRzSpacer* spacer = nullptr;
    TRzToolButton* preview = nullptr;
    TRzToolButton* setting = nullptr;
    QStringList log;

    MainToolbar();
    std::vector<QWidget*> Controls() const;
    TRzToolButton* AddButton(const QString& caption, int imageIndex, int disabledIndex);
    // The toolbar with its buttons as the window shows it now.
    QImage Render() const;
};

// A widget and its children as they paint now.
QImage RenderWidget(QWidget& widget);
QRgb RgbOf(TColor color);
// Saves a picture under $KALVO_SNAPSHOT_DIR when that is set, for looking at the controls.
void SaveSnapshot(const QImage& image, const QString& name);
