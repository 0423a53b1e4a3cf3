#include "toolbar_harness.h"

#include "controls/main_images.h"

#include <QApplication>
#include <QCursor>
#include <QDir>

MainToolbar::MainToolbar()
{
    window->resize(545, 190);
    images = CreateMainImageList(window.get());
    toolbar = new TRzToolbar(window.get());
    toolbar->setGeometry(0, 0, 545, 29);
    toolbar->SetImages(images);
    toolbar->SetButtonWidth(60);
    toolbar->SetShowButtonCaptions(true);
    toolbar->SetTextOptions(ttoSelectiveTextOnRight);
    toolbar->SetBorderInner(fsNone);
    toolbar->SetBorderOuter(fsGroove);
    toolbar->SetBorderSides({sdTop});
    toolbar->SetBorderWidth(0);
    insert = AddButton(QStringLiteral("Insert Record"), 0, 1);
    remove = AddButton(QStringLiteral("Delete Record"), 2, 3);
    post = AddButton(QStringLiteral("Post"), 6, 7);
    spacer = new TRzSpacer(toolbar);
    preview = AddButton(QStringLiteral("Print Preview"), 10, 11);
    setting = AddButton(QStringLiteral("Settings"), 12, 13);
    setting->SetHint(QStringLiteral("Utilities"));
    // Nothing starts under the mouse.
    QCursor::setPos(QPoint(5000, 5000));
    window->show();
    QApplication::processEvents();
}

TRzToolButton* MainToolbar::AddButton(const QString& caption, int imageIndex, int disabledIndex)
{
    auto* button = new TRzToolButton(toolbar);
    button->SetCaption(caption);
    button->SetHint(caption);
    button->SetImageIndex(imageIndex);
    button->SetDisabledIndex(disabledIndex);
    button->OnClick = [this, caption](QObject*) { log << QStringLiteral("Click ") + caption; };
    return button;
}

std::vector<QWidget*> MainToolbar::Controls() const { return {insert, remove, post, spacer, preview, setting}; }

QImage MainToolbar::Render() const { return RenderWidget(*toolbar); }

QImage RenderWidget(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QRgb RgbOf(TColor color) { return ToQColor(color).rgb(); }

void SaveSnapshot(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("KALVO_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        image.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
