#include "compact_diff.h"

#include "diff_text.h"
#include "memo_text.h"
#include "xml_serializer.h"

#include "report/model/band.h"
#include "report/model/band_kinds.h"
#include "report/model/report.h"
#include "report/views/custom_memo_view.h"
#include "report/views/report_classes.h"
#include "report/views/view.h"

#include <memory>

namespace {

void ComponentPart(DiffText& diff, const TfrxComponent& object, const TfrxComponent& templ)
{
    const bool band = qobject_cast<const TfrxBand*>(&object);
    const auto* memo = qobject_cast<const TfrxCustomMemoView*>(&object);
    if (DiffText::Differs(object.Left(), templ.Left()) && object.IsLeftStored())
        diff.Number("l", object.Left());
    if ((band || DiffText::Differs(object.Top(), templ.Top())) && object.IsTopStored())
        diff.Number("t", object.Top());
    if (DiffText::Differs(object.Width(), templ.Width()) && object.IsWidthStored() && !(memo && memo->AutoWidth()))
        diff.Number("w", object.Width());
    if (DiffText::Differs(object.Height(), templ.Height()) && object.IsHeightStored())
        diff.Number("h", object.Height());
    diff.FlagIfChanged("Visible", object.Visible(), templ.Visible());
    if (!object.ParentFont()) {
        const TfrxFont& font = *object.Font();
        const TfrxFont& base = *templ.Font();
        diff.TextIfChanged("Font.Name", font.Name(), base.Name());
        diff.IntegerIfChanged("Font.Size", font.Size(), base.Size());
        diff.ColorIfChanged("Font.Color", font.Color(), base.Color());
        diff.IntegerIfChanged("Font.Style", font.Style().toInt(), base.Style().toInt());
        diff.IntegerIfChanged("Font.Charset", font.Charset(), base.Charset());
    }
    diff.FlagIfChanged("ParentFont", object.ParentFont(), templ.ParentFont());
    diff.IntegerIfChanged("Tag", object.Tag(), templ.Tag());
}

struct FrameLineNames {
    const char* color;
    const char* style;
    const char* width;
    TfrxFrameLine* (TfrxFrame::*line)() const;
};

const FrameLineNames kFrameLines[] = {
    {"Frame.LeftLine.Color", "Frame.LeftLine.Style", "Frame.LeftLine.Width", &TfrxFrame::LeftLine},
    {"Frame.TopLine.Color", "Frame.TopLine.Style", "Frame.TopLine.Width", &TfrxFrame::TopLine},
    {"Frame.RightLine.Color", "Frame.RightLine.Style", "Frame.RightLine.Width", &TfrxFrame::RightLine},
    {"Frame.BottomLine.Color", "Frame.BottomLine.Style", "Frame.BottomLine.Width", &TfrxFrame::BottomLine},
};

// A side is written where it has a value of its own while the frame's was written, or where it
// differs from the template's side while the frame's was not.
bool SideWritten(bool frameWritten, bool ownValue, bool differsFromTemplate)
{
    return frameWritten ? ownValue : differsFromTemplate;
}

void FramePart(DiffText& diff, const TfrxFrame& frame, const TfrxFrame& templ)
{
    const bool colorWritten = frame.Color() != templ.Color();
    const bool styleWritten = frame.Style() != templ.Style();
    const bool widthWritten = DiffText::Differs(frame.Width(), templ.Width());
    if (colorWritten)
        diff.Color("Frame.Color", frame.Color());
    diff.FlagIfChanged("Frame.DropShadow", frame.DropShadow(), templ.DropShadow());
    diff.ColorIfChanged("Frame.ShadowColor", frame.ShadowColor(), templ.ShadowColor());
    diff.NumberIfChanged("Frame.ShadowWidth", frame.ShadowWidth(), templ.ShadowWidth());
    if (styleWritten)
        diff.Integer("Frame.Style", frame.Style());
    diff.IntegerIfChanged("Frame.Typ", frame.Typ().toInt(), templ.Typ().toInt());
    if (widthWritten)
        diff.Number("Frame.Width", frame.Width());
    for (const FrameLineNames& names : kFrameLines) {
        const TfrxFrameLine& line = *(frame.*names.line)();
        const TfrxFrameLine& base = *(templ.*names.line)();
        if (SideWritten(colorWritten, line.Color() != frame.Color(), line.Color() != base.Color()))
            diff.Color(names.color, line.Color());
        if (SideWritten(styleWritten, line.Style() != frame.Style(), line.Style() != base.Style()))
            diff.Integer(names.style, line.Style());
        if (SideWritten(widthWritten, DiffText::Differs(line.Width(), frame.Width()),
                        DiffText::Differs(line.Width(), base.Width())))
            diff.Number(names.width, line.Width());
    }
}

void FillPart(DiffText& diff, const TfrxView& view, const TfrxView& templ)
{
    if (view.FillType() != ftBrush)
        return;
    const bool otherKind = templ.FillType() != ftBrush;
    const TfrxBrushFill& fill = *view.Fill();
    const TfrxBrushFill& base = *templ.Fill();
    if (otherKind || fill.BackColor() != base.BackColor())
        diff.Color("Fill.BackColor", fill.BackColor());
    if (otherKind || fill.ForeColor() != base.ForeColor())
        diff.Color("Fill.ForeColor", fill.ForeColor());
    if (otherKind || fill.Style() != base.Style())
        diff.Integer("Fill.Style", fill.Style());
}

void HyperlinkPart(DiffText& diff, const TfrxHyperlink& link, const TfrxHyperlink& base)
{
    diff.IntegerIfChanged("Hyperlink.Kind", link.Kind(), base.Kind());
    diff.TextIfChanged("Hyperlink.DetailReport", link.DetailReport(), base.DetailReport());
    diff.TextIfChanged("Hyperlink.DetailPage", link.DetailPage(), base.DetailPage());
    diff.TextIfChanged("Hyperlink.ReportVariable", link.ReportVariable(), base.ReportVariable());
    diff.TextIfChanged("Hyperlink.TabCaption", link.TabCaption(), base.TabCaption());
    diff.TextIfChanged("Hyperlink.Value", link.Value(), base.Value());
    diff.TextIfChanged("Hyperlink.ValuesSeparator", link.ValuesSeparator(), base.ValuesSeparator());
}

void ViewPart(DiffText& diff, const TfrxView& view, const TfrxView& templ)
{
    diff.IntegerIfChanged("Align", view.Align(), templ.Align());
    FramePart(diff, *view.Frame(), *templ.Frame());
    diff.IntegerIfChanged("Cursor", view.Cursor(), templ.Cursor());
    diff.IntegerIfChanged("Visibility", view.Visibility().toInt(), templ.Visibility().toInt());
    diff.TextIfChanged("TagStr", view.TagStr(), templ.TagStr());
    diff.IntegerIfChanged("FillType", view.FillType(), templ.FillType());
    FillPart(diff, view, templ);
    HyperlinkPart(diff, *view.Hyperlink(), *templ.Hyperlink());
}

void DisplayFormatPart(DiffText& diff, const TfrxFormat& format, const TfrxFormat& base)
{
    diff.IntegerIfChanged("DisplayFormat.Kind", format.Kind(), base.Kind());
    diff.TextIfChanged("DisplayFormat.DecimalSeparator", format.DecimalSeparator(), base.DecimalSeparator());
    diff.TextIfChanged("DisplayFormat.ThousandSeparator", format.ThousandSeparator(), base.ThousandSeparator());
    diff.TextIfChanged("DisplayFormat.FormatStr", format.FormatStr(), base.FormatStr());
}

void TextPart(DiffText& diff, const TfrxCustomMemoView& memo, const TfrxCustomMemoView& templ)
{
    diff.FlagIfChanged("AutoWidth", memo.AutoWidth(), templ.AutoWidth());
    diff.NumberIfChanged("CharSpacing", memo.CharSpacing(), templ.CharSpacing());
    diff.NumberIfChanged("GapX", memo.GapX(), templ.GapX());
    diff.NumberIfChanged("GapY", memo.GapY(), templ.GapY());
    diff.IntegerIfChanged("HAlign", memo.HAlign(), templ.HAlign());
    diff.NumberIfChanged("LineSpacing", memo.LineSpacing(), templ.LineSpacing());
    diff.FlagIfChanged("UseDefaultCharset", memo.UseDefaultCharset(), templ.UseDefaultCharset());
    diff.Text("u", JoinedMemoText(memo));
    if (!memo.Hint().isEmpty())
        diff.Text("Hint", memo.Hint());
    diff.NumberIfChanged("ParagraphGap", memo.ParagraphGap(), templ.ParagraphGap());
    diff.IntegerIfChanged("Rotation", memo.Rotation(), templ.Rotation());
    diff.FlagIfChanged("RTLReading", memo.RTLReading(), templ.RTLReading());
    diff.IntegerIfChanged("UnderlinesTextMode", memo.UnderlinesTextMode(), templ.UnderlinesTextMode());
    diff.IntegerIfChanged("VAlign", memo.VAlign(), templ.VAlign());
    diff.FlagIfChanged("WordWrap", memo.WordWrap(), templ.WordWrap());
    if (memo.Formats().size() == 1)
        DisplayFormatPart(diff, *memo.DisplayFormat(), *templ.DisplayFormat());
    if (memo.FirstParaBreak())
        diff.Flag("FirstParaBreak", true);
    if (memo.LastParaBreak())
        diff.Flag("LastParaBreak", true);
}

// The template as the given class, or a new object of the object's class when the template is of
// another kind.
template <typename T>
const T& TemplateAs(const TfrxComponent& object, const TfrxComponent& templ, std::unique_ptr<TfrxComponent>& standIn)
{
    if (const auto* same = qobject_cast<const T*>(&templ))
        return *same;
    standIn.reset(CreateReportObject(*object.metaObject(), nullptr));
    return *qobject_cast<const T*>(standIn.get());
}

}  // namespace

QString ComponentDiff(const TfrxComponent& object, const TfrxComponent& templ)
{
    DiffText diff;
    ComponentPart(diff, object, templ);
    return diff.Result();
}

QString Diff(const TfrxComponent& object, const TfrxComponent& templ)
{
    DiffText diff;
    ComponentPart(diff, object, templ);
    std::unique_ptr<TfrxComponent> standIn;
    if (const auto* view = qobject_cast<const TfrxView*>(&object))
        ViewPart(diff, *view, TemplateAs<TfrxView>(object, templ, standIn));
    if (const auto* memo = qobject_cast<const TfrxCustomMemoView*>(&object))
        TextPart(diff, *memo, TemplateAs<TfrxCustomMemoView>(object, templ, standIn));
    return diff.Result();
}

QString AllDiff(const TfrxComponent& object, const TfrxComponent* templ)
{
    TfrxXMLSerializer serializer;
    serializer.Owner = object.Report();
    QString text = serializer.WriteComponentStr(object, templ);
    // Without the class name and the space after it.
    text.remove(0, object.ClassName().size());
    if (text.startsWith(u' '))
        text.remove(0, 1);
    if (templ)
        text += u' ' + ComponentDiff(object, *templ);
    if (qobject_cast<const TfrxNullBand*>(&object)) {
        DiffText position;
        position.Number("l", object.Left());
        position.Number("t", object.Top());
        text += position.Result();
    }
    return text;
}
