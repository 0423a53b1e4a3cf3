#pragma once

#include "report/model/report_component.h"

#include <QPointF>
#include <memory>

class TCanvas;
class TfrxPreviewPages;
class TfrxView;

// Which objects a drawing shows: those meant for previews, or those meant for printing.
enum TfrxDrawTarget { dtScreen, dtPrinter };

// How one page is painted: its scale, where the paper's corner lands in device pixels, for which
// device, and what its texts show besides their own content.
struct TfrxPagePaint {
    double scaleX = 1;
    double scaleY = 1;
    double offsetX = 0;
    double offsetY = 0;
    TfrxDrawTarget target = dtScreen;
    TfrxDrawContext texts;
};

// Paints prepared pages and finds what lies under a point of a painted page: the one painter of
// the preview, its thumbnails and text search, and printing. It changes no page; the pages it
// reads stay alive while it reads them, whatever the store's cache lets go meanwhile.
class TfrxPagePainter {
public:
    explicit TfrxPagePainter(TfrxPreviewPages& pages) : pages_(pages) {}

    // Draws the page's views. The screen is clipped to the paper.
    void PaintPage(int index, TCanvas& canvas, const TfrxPagePaint& paint) const;
    // The view under a device point of the page painted so on the screen: the one drawn last
    // among those whose device rectangle holds the point; none over empty paper. The handle
    // keeps the view's page alive.
    std::shared_ptr<const TfrxView> ObjectOver(int index, QPointF point, const TfrxPagePaint& paint) const;

private:
    TfrxPreviewPages& pages_;
};
