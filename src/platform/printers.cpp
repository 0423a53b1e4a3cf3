#include "printers.h"

#include "canvas.h"
#include "qt_printers.h"

namespace {

struct Installed {
    Spooler* spooler = nullptr;
    int generation = 0;
};

Installed& Current()
{
    static Installed installed;
    return installed;
}

}  // namespace

Spooler& Printers()
{
    static QtSpooler system;
    return Current().spooler ? *Current().spooler : system;
}

void SetSpooler(Spooler* spooler)
{
    Current().spooler = spooler;
    ++Current().generation;
}

int SpoolerGeneration() { return Current().generation; }

void PaintDrawing(QPainter& painter, const PageDrawing& drawing)
{
    TCanvas canvas(painter);
    if (!drawing.clip.isEmpty())
        canvas.PushClip(drawing.clip);
    drawing.paint(canvas, drawing);
    if (!drawing.clip.isEmpty())
        canvas.PopClip();
}
