#pragma once

#include "stretcheable.h"

#include "report/base/wide_strings.h"
#include "report/expressions/display_format.h"
#include "report/text/memo_geometry.h"

#include <QPointer>
#include <QVariant>
#include <optional>

class TfrxDrawText;
class TfrxReport;

// The text object. Its colour is the fill's back colour and is written out there.
class TfrxCustomMemoView : public TfrxStretcheable {
    Q_OBJECT
    Q_PROPERTY(TfrxWideStrings Memo READ Memo WRITE SetMemo)
    Q_PROPERTY(bool AllowExpressions READ AllowExpressions WRITE SetAllowExpressions)
    Q_PROPERTY(QString ExpressionDelimiters READ ExpressionDelimiters WRITE SetExpressionDelimiters)
    Q_PROPERTY(bool AutoWidth READ AutoWidth WRITE SetAutoWidth)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool WordBreak READ WordBreak WRITE SetWordBreak)
    Q_PROPERTY(bool Wysiwyg READ Wysiwyg WRITE SetWysiwyg)
    Q_PROPERTY(bool Clipped READ Clipped WRITE SetClipped)
    Q_PROPERTY(frx::TfrxHAlign HAlign READ HAlign WRITE SetHAlign)
    Q_PROPERTY(frx::TfrxVAlign VAlign READ VAlign WRITE SetVAlign)
    Q_PROPERTY(double GapX READ GapX WRITE SetGapX)
    Q_PROPERTY(double GapY READ GapY WRITE SetGapY)
    Q_PROPERTY(double LineSpacing READ LineSpacing WRITE SetLineSpacing)
    Q_PROPERTY(double ParagraphGap READ ParagraphGap WRITE SetParagraphGap)
    Q_PROPERTY(double CharSpacing READ CharSpacing WRITE SetCharSpacing)
    Q_PROPERTY(int Rotation READ Rotation WRITE SetRotation)
    Q_PROPERTY(TfrxFormat* DisplayFormat READ DisplayFormat)
    Q_PROPERTY(bool HideZeros READ HideZeros WRITE SetHideZeros)
    Q_PROPERTY(bool SuppressRepeated READ SuppressRepeated WRITE SetSuppressRepeated)
    Q_PROPERTY(frx::TfrxDuplicateMerge Duplicates READ Duplicates WRITE SetDuplicates)
    Q_PROPERTY(bool AllowHTMLTags READ AllowHTMLTags WRITE SetAllowHTMLTags)
    Q_PROPERTY(bool RTLReading READ RTLReading WRITE SetRTLReading)
    Q_PROPERTY(bool UseDefaultCharset READ UseDefaultCharset WRITE SetUseDefaultCharset)
    Q_PROPERTY(bool Underlines READ Underlines WRITE SetUnderlines)
    Q_PROPERTY(frx::TfrxUnderlinesTextMode UnderlinesTextMode READ UnderlinesTextMode WRITE SetUnderlinesTextMode)
    Q_PROPERTY(bool FirstParaBreak READ FirstParaBreak WRITE SetFirstParaBreak)
    Q_PROPERTY(bool LastParaBreak READ LastParaBreak WRITE SetLastParaBreak)
    Q_PROPERTY(TfrxCustomMemoView* FlowTo READ FlowTo WRITE SetFlowTo)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QString Style READ Style WRITE SetStyle)
    Q_PROPERTY(int IndexTag READ IndexTag WRITE SetIndexTag)
    Q_CLASSINFO("default:AllowExpressions", "true")
    Q_CLASSINFO("stored:ExpressionDelimiters", "IsExprDelimitersStored")
    Q_CLASSINFO("default:AutoWidth", "false")
    Q_CLASSINFO("default:WordWrap", "true")
    Q_CLASSINFO("default:WordBreak", "false")
    Q_CLASSINFO("default:Wysiwyg", "true")
    Q_CLASSINFO("default:Clipped", "true")
    Q_CLASSINFO("default:HAlign", "haLeft")
    Q_CLASSINFO("default:VAlign", "vaTop")
    Q_CLASSINFO("stored:GapX", "IsGapXStored")
    Q_CLASSINFO("stored:GapY", "IsGapYStored")
    Q_CLASSINFO("stored:LineSpacing", "IsLineSpacingStored")
    Q_CLASSINFO("stored:ParagraphGap", "IsParagraphGapStored")
    Q_CLASSINFO("stored:CharSpacing", "IsCharSpacingStored")
    Q_CLASSINFO("default:Rotation", "0")
    Q_CLASSINFO("default:HideZeros", "false")
    Q_CLASSINFO("default:SuppressRepeated", "false")
    Q_CLASSINFO("default:Duplicates", "dmShow")
    Q_CLASSINFO("default:AllowHTMLTags", "false")
    Q_CLASSINFO("default:RTLReading", "false")
    Q_CLASSINFO("default:UseDefaultCharset", "false")
    Q_CLASSINFO("default:Underlines", "false")
    Q_CLASSINFO("default:UnderlinesTextMode", "ulmNone")
    Q_CLASSINFO("default:FirstParaBreak", "false")
    Q_CLASSINFO("default:LastParaBreak", "false")
    Q_CLASSINFO("default:Color", "0x1FFFFFFF")
    Q_CLASSINFO("stored:Color", "false")
    Q_CLASSINFO("default:IndexTag", "0")

public:
    static constexpr double kDefaultGapX = 2;
    static constexpr double kDefaultGapY = 1;
    static constexpr double kDefaultLineSpacing = 2;
    static inline const QString kDefaultDelimiters = QStringLiteral("[,]");

    Q_INVOKABLE explicit TfrxCustomMemoView(QObject* owner = nullptr);

    const TfrxWideStrings& Memo() const { return memo_; }
    TfrxWideStrings& Memo() { return memo_; }
    void SetMemo(const TfrxWideStrings& value) { memo_ = value; }
    // The lines' text form: each line followed by CR LF.
    QString Text() const { return memo_.Text(); }
    void SetText(const QString& value) { memo_.SetText(value); }

    bool AllowExpressions() const { return allowExpressions_; }
    void SetAllowExpressions(bool value) { allowExpressions_ = value; }
    QString ExpressionDelimiters() const { return expressionDelimiters_; }
    void SetExpressionDelimiters(const QString& value) { expressionDelimiters_ = value; }
    bool AutoWidth() const { return autoWidth_; }
    void SetAutoWidth(bool value) { autoWidth_ = value; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { wordWrap_ = value; }
    bool WordBreak() const { return wordBreak_; }
    void SetWordBreak(bool value) { wordBreak_ = value; }
    bool Wysiwyg() const { return wysiwyg_; }
    void SetWysiwyg(bool value) { wysiwyg_ = value; }
    bool Clipped() const { return clipped_; }
    void SetClipped(bool value) { clipped_ = value; }
    TfrxHAlign HAlign() const { return hAlign_; }
    void SetHAlign(TfrxHAlign value) { hAlign_ = value; }
    TfrxVAlign VAlign() const { return vAlign_; }
    void SetVAlign(TfrxVAlign value) { vAlign_ = value; }
    double GapX() const { return gapX_; }
    void SetGapX(double value) { gapX_ = value; }
    double GapY() const { return gapY_; }
    void SetGapY(double value) { gapY_ = value; }
    double LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(double value) { lineSpacing_ = value; }
    double ParagraphGap() const { return paragraphGap_; }
    void SetParagraphGap(double value) { paragraphGap_ = value; }
    double CharSpacing() const { return charSpacing_; }
    void SetCharSpacing(double value) { charSpacing_ = value; }
    int Rotation() const { return rotation_; }
    void SetRotation(int value) { rotation_ = value; }
    // The first item of the format list, which always holds at least one item.
    TfrxFormat* DisplayFormat() const { return formats_.front(); }
    const QList<TfrxFormat*>& Formats() const { return formats_; }
    bool HideZeros() const { return hideZeros_; }
    void SetHideZeros(bool value) { hideZeros_ = value; }
    bool SuppressRepeated() const { return suppressRepeated_; }
    void SetSuppressRepeated(bool value) { suppressRepeated_ = value; }
    TfrxDuplicateMerge Duplicates() const { return duplicates_; }
    void SetDuplicates(TfrxDuplicateMerge value) { duplicates_ = value; }
    bool AllowHTMLTags() const { return allowHTMLTags_; }
    void SetAllowHTMLTags(bool value) { allowHTMLTags_ = value; }
    bool RTLReading() const { return rtlReading_; }
    void SetRTLReading(bool value) { rtlReading_ = value; }
    bool UseDefaultCharset() const { return useDefaultCharset_; }
    void SetUseDefaultCharset(bool value) { useDefaultCharset_ = value; }
    bool Underlines() const { return underlines_; }
    void SetUnderlines(bool value) { underlines_ = value; }
    TfrxUnderlinesTextMode UnderlinesTextMode() const { return underlinesTextMode_; }
    void SetUnderlinesTextMode(TfrxUnderlinesTextMode value) { underlinesTextMode_ = value; }
    bool FirstParaBreak() const { return firstParaBreak_; }
    void SetFirstParaBreak(bool value) { firstParaBreak_ = value; }
    bool LastParaBreak() const { return lastParaBreak_; }
    void SetLastParaBreak(bool value) { lastParaBreak_ = value; }
    TfrxCustomMemoView* FlowTo() const { return flowTo_; }
    void SetFlowTo(TfrxCustomMemoView* value) { flowTo_ = value; }
    TColor Color() const { return Fill()->BackColor(); }
    void SetColor(TColor value) { Fill()->SetBackColor(value); }
    QString Style() const { return style_; }
    void SetStyle(const QString& value) { style_ = value; }
    int IndexTag() const { return indexTag_; }
    void SetIndexTag(int value) { indexTag_ = value; }

    // One output: BeforePrint saves the bounds and, unless bound to a field, the lines; GetData
    // produces the text and value from the bound field or the bracketed expressions; AfterPrint
    // restores what BeforePrint saved.
    void BeforePrint() override;
    void GetData() override;
    void AfterPrint() override;
    // The value of the bound field or of the last expression of the current output.
    QVariant Value() const { return value_; }
    // Forgets the text remembered for SuppressRepeated (when a data band starts its rows).
    void ResetSuppressRepeated() { lastText_.reset(); }

    // The height the text needs at the object's width (unwrapped with AutoWidth), gaps and frame
    // included, rounded to whole pixels.
    double CalcHeight() const override;
    // The width the text needs, gaps and frame included, rounded to whole pixels.
    virtual double CalcWidth();
    // Splitting over pages: InitPart takes the whole text as the part still to print; DrawPart
    // keeps the lines that fit the current height, leaves the rest as the next part and returns
    // the space left unused below them (the whole height when not one line fits).
    void InitPart() override;
    double DrawPart() override;
    QString PartText() const { return partText_; }

    // Fill, frame, then the text with the page placeholders filled in from the context.
    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
              const TfrxDrawContext& context = {}) const override;
    // With AutoWidth the object takes the width of its text.
    void PrepareForDrawing() override { ApplyAutoWidth(); }

    MemoBox Box() const;
    // Where the text goes at a scale, in device pixels.
    TextRect TextRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const;
    // How wide an AutoWidth text may make its object before its lines wrap, gaps and frame
    // included; none when the text is not bounded so (no AutoWidth, rotated, or no room known).
    std::optional<double> AutoWidthRoom() const;
    // The unscaled rectangle the text is laid out in: the object's own text rectangle, or for a
    // text bounded by its room one as wide as the text may be inside that room.
    TextRect LayoutRect() const;

    Q_INVOKABLE bool IsExprDelimitersStored() const { return expressionDelimiters_ != kDefaultDelimiters; }
    Q_INVOKABLE bool IsGapXStored() const { return gapX_ != kDefaultGapX; }
    Q_INVOKABLE bool IsGapYStored() const { return gapY_ != kDefaultGapY; }
    Q_INVOKABLE bool IsLineSpacingStored() const { return lineSpacing_ != kDefaultLineSpacing; }
    Q_INVOKABLE bool IsParagraphGapStored() const { return paragraphGap_ != 0; }
    Q_INVOKABLE bool IsCharSpacingStored() const { return charSpacing_ != 0; }

private:
    struct TextCut {
        QString rest;
        bool paraBreak = false;
        bool nothingFits = false;
        double unusedSpace = 0;
    };

    void GetDataFromField();
    void ExpandExpressions(TfrxReport& report);
    QString CalcExpression(TfrxReport& report, const QString& text, const TfrxFormat& listFormat);
    void ApplySuppressRepeated();
    void ApplyFlowTo();
    void ApplyAutoWidth();
    void LoadDrawText(TfrxDrawText& drawText, const QStringList& lines, const TextRect& unscaled,
                      const TextRect& scaled, double scaleX, double scaleY, double printScale = 1) const;
    // The text's width (or, with `height`, its height) laid out in `rect`, in pixels.
    double MeasureText(const TextRect& rect, bool height) const;
    // Keeps the lines that fit the text rectangle and returns the rest.
    TextCut CutAtBottom();
    QStringList LinesForDrawing(const TfrxDrawContext& context) const;

    QVariant value_;
    std::optional<TfrxWideStrings> savedMemo_;
    std::optional<QString> lastText_;
    QString partText_;

    TfrxWideStrings memo_;
    bool allowExpressions_ = true;
    QString expressionDelimiters_ = kDefaultDelimiters;
    bool autoWidth_ = false;
    bool wordWrap_ = true;
    bool wordBreak_ = false;
    bool wysiwyg_ = true;
    bool clipped_ = true;
    TfrxHAlign hAlign_ = haLeft;
    TfrxVAlign vAlign_ = vaTop;
    double gapX_ = kDefaultGapX;
    double gapY_ = kDefaultGapY;
    double lineSpacing_ = kDefaultLineSpacing;
    double paragraphGap_ = 0;
    double charSpacing_ = 0;
    int rotation_ = 0;
    QList<TfrxFormat*> formats_;
    bool hideZeros_ = false;
    bool suppressRepeated_ = false;
    TfrxDuplicateMerge duplicates_ = dmShow;
    bool allowHTMLTags_ = false;
    bool rtlReading_ = false;
    bool useDefaultCharset_ = false;
    bool underlines_ = false;
    TfrxUnderlinesTextMode underlinesTextMode_ = ulmNone;
    bool firstParaBreak_ = false;
    bool lastParaBreak_ = false;
    QPointer<TfrxCustomMemoView> flowTo_;
    QString style_;
    int indexTag_ = 0;
};
