#include "custom_memo_view.h"

#include "report/expressions/memo_expressions.h"
#include "report/expressions/report_script.h"
#include "report/expressions/variant.h"
#include "report/model/dataset.h"
#include "report/model/report.h"

#include <algorithm>

void TfrxCustomMemoView::BeforePrint()
{
    TfrxStretcheable::BeforePrint();
    if (!IsDataField())
        savedMemo_ = memo_;
}

void TfrxCustomMemoView::AfterPrint()
{
    if (savedMemo_ && !IsDataField())
        memo_ = *savedMemo_;
    savedMemo_.reset();
    TfrxStretcheable::AfterPrint();
}

void TfrxCustomMemoView::GetData()
{
    TfrxStretcheable::GetData();
    value_ = NullVariant();
    TfrxReport* report = Report();
    if (IsDataField())
        GetDataFromField();
    else if (AllowExpressions() && report)
        ExpandExpressions(*report);
    if (report)
        report->Script().SetVariable(QStringLiteral("Value"), value_);
    ApplySuppressRepeated();
    ApplyFlowTo();
}

void TfrxCustomMemoView::GetDataFromField()
{
    TfrxDataSet& dataSet = *DataSet();
    const QString field = DataField();
    if (dataSet.IsBlobField(field)) {
        memo_.Clear();
        dataSet.AssignBlobTo(field, this);
        return;
    }
    value_ = dataSet.GetValue(field);
    QString text = DisplayFormat()->Kind() != fkText ? FormatData(value_, FormatItem::From(*DisplayFormat()))
                                                      : dataSet.GetDisplayText(field);
    if (HideZeros() && VarIsZero(value_))
        text.clear();
    SetText(text);
}

void TfrxCustomMemoView::ExpandExpressions(TfrxReport& report)
{
    const ExpressionBrackets brackets = ExpressionBrackets::Parse(ExpressionDelimiters());
    const QString text = Text();
    if (brackets.open.isEmpty() || !text.contains(brackets.open))
        return;
    // The i-th expression takes the i-th format; the last format serves all further ones.
    qsizetype index = 0;
    SetText(ReplaceExpressions(text, brackets, [&](const QString& expression) {
        const TfrxFormat& format = *formats_[std::min(index++, formats_.size() - 1)];
        return CalcExpression(report, expression, format);
    }));
}

QString TfrxCustomMemoView::CalcExpression(TfrxReport& report, const QString& text, const TfrxFormat& listFormat)
{
    const ExpressionWithFormat split = SplitExpressionFormat(text);
    // The page count and the copy are known only when the page is drawn.
    const QString upper = split.expression.toUpper();
    if (upper == QLatin1String("TOTALPAGES#"))
        return QStringLiteral("[TotalPages#]");
    if (upper == QLatin1String("COPYNAME#"))
        return QStringLiteral("[CopyName#]");
    value_ = report.Calc(split.expression);
    if (HideZeros() && VarIsNumeric(value_) && value_.toDouble() == 0)
        return QString();
    return FormatData(value_, split.format.value_or(FormatItem::From(listFormat)));
}

void TfrxCustomMemoView::ApplySuppressRepeated()
{
    if (!SuppressRepeated())
        return;
    const QString text = Text();
    if (lastText_ && *lastText_ == text)
        memo_.Clear();
    else
        lastText_ = text;
}

void TfrxCustomMemoView::ApplyFlowTo()
{
    TfrxCustomMemoView* next = FlowTo();
    if (!next)
        return;
    const TextCut cut = CutAtBottom();
    next->SetText(cut.rest);
    next->SetAllowExpressions(false);
}
