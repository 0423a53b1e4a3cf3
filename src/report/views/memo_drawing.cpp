#include "custom_memo_view.h"

#include "report/expressions/report_variables.h"
#include "report/expressions/variant.h"
#include "report/text/draw_text.h"

void TfrxCustomMemoView::PrepareDrawing(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
    ApplyAutoWidth();
    TfrxStretcheable::PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
}

QStringList TfrxCustomMemoView::LinesForDrawing() const
{
    const QString totalPages = QString::number(totalPages_);
    QVariant copyName;
    const QString copy =
        frxGlobalVariables().Find(QStringLiteral("CopyName"), copyName) ? VarToStr(copyName) + QString::number(copyNo_)
                                                                        : QString();
    QStringList lines = memo_.Lines();
    for (QString& line : lines) {
        line.replace(QLatin1String("[TOTALPAGES#]"), totalPages, Qt::CaseInsensitive);
        line.replace(QLatin1String("[COPYNAME#]"), copy, Qt::CaseInsensitive);
    }
    return lines;
}

void TfrxCustomMemoView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
    PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintFill(canvas);
    PaintFrame(canvas);
    TfrxDrawText& drawText = frxDrawText();
    DrawTextLock lock(drawText);
    LoadDrawText(drawText, LinesForDrawing(), LayoutRect(), TextRectAt(scaleX, scaleY, offsetX, offsetY), scaleX,
                 scaleY);
    drawText.DrawText(canvas, HAlign(), UnderlinesTextMode(), VAlign());
}
