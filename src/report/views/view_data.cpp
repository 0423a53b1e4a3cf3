#include "view.h"

#include "report/expressions/memo_expressions.h"
#include "report/expressions/variant.h"
#include "report/model/report.h"

void TfrxView::BeforePrint()
{
    TfrxReportComponent::BeforePrint();
    savedTagStr_ = tagStr_;
    savedHyperlinkValue_ = hyperlink_->Value();
}

void TfrxView::AfterPrint()
{
    tagStr_ = savedTagStr_;
    hyperlink_->SetValue(savedHyperlinkValue_);
    TfrxReportComponent::AfterPrint();
}

void TfrxView::GetData()
{
    TfrxReport* report = Report();
    if (!report)
        return;
    report->SetCurObject(Name());
    const auto expand = [report](const QString& text) {
        if (!text.contains(u'['))
            return text;
        return ReplaceExpressions(text, ExpressionBrackets{},
                                  [report](const QString& expression) { return VarToStr(report->Calc(expression)); });
    };
    tagStr_ = expand(tagStr_);
    hyperlink_->SetValue(expand(hyperlink_->Value()));
}
