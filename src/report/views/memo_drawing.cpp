#include "custom_memo_view.h"

#include "report/expressions/report_variables.h"
#include "report/expressions/variant.h"
#include "report/text/draw_text.h"

QStringList TfrxCustomMemoView::LinesForDrawing(const TfrxDrawContext& context) const
{
    const QString totalPages = QString::number(context.totalPages);
    QVariant copyName;
    const QString copy =
        frxGlobalVariables().Find(QStringLiteral("CopyName"), copyName) ? VarToStr(copyName) + QString::number(context.copyNo)
                                                                        : QString();
    QStringList lines = memo_.Lines();
    for (QString& line : lines) {
        line.replace(QLatin1String("[TOTALPAGES#]"), totalPages, Qt::CaseInsensitive);
        line.replace(QLatin1String("[COPYNAME#]"), copy, Qt::CaseInsensitive);
    }
    return lines;
}

void TfrxCustomMemoView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
                              const TfrxDrawContext& context) const
{
    TfrxStretcheable::Draw(canvas, scaleX, scaleY, offsetX, offsetY, context);
    TfrxDrawText& drawText = frxDrawText();
    DrawTextLock lock(drawText);
    LoadDrawText(drawText, LinesForDrawing(context), LayoutRect(), TextRectAt(scaleX, scaleY, offsetX, offsetY),
                 scaleX, scaleY, context.printScale);
    drawText.DrawText(canvas, HAlign(), UnderlinesTextMode(), VAlign());
}
