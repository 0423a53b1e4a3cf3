// Building the main window's controls at their designed places.
#include "main_window.h"

#include "date_time_picker.h"
#include "form_scale.h"
#include "memo_keys.h"
#include "panel.h"
#include "split_view.h"
#include "style_manager.h"
#include "write_notice.h"
#include "controls/color_edit.h"
#include "controls/image_list.h"
#include "controls/main_images.h"
#include "controls/month_calendar.h"
#include "controls/spacer.h"
#include "controls/tool_button.h"
#include "controls/toolbar.h"
#include "platform/colors.h"
#include "preview/preview_window.h"
#include "platform/error_box.h"
#include "platform/visual_styles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {

FormScale ScreenScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return FormScale(screen ? RoundHalfEven(screen->logicalDotsPerInch()) : 96);
}

template <typename Widget, typename... Args>
Widget* Make(const char* name, QWidget* parent, const QRect& designed, Args&&... args)
{
    auto* w = new Widget(std::forward<Args>(args)..., parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(ScreenScale()(designed));
    return w;
}

// Runs a handler of the window from a control's signal, reporting whatever it throws.
template <typename Sender, typename Signal>
void Connect(Sender* sender, Signal signal, TForm1* form, void (TForm1::*handler)())
{
    QObject::connect(sender, signal, form, [form, handler] { Guarded([&] { (form->*handler)(); }); });
}

}  // namespace

void TForm1::CreateControls()
{
    const FormScale scale = ScreenScale();
    setWindowTitle(QStringLiteral("Kalvo"));
    setFont(ToQFont(TFontDesc{}));
    setAutoFillBackground(true);
    FollowVisualStyle();
    QObject::connect(VisualStyles::Instance().Changes(), &StyleChangeNotifier::styleChanged, this, [this] { ApplyStyleColors(); });
    resize(scale(545), scale(190));

    ImageList1 = CreateMainImageList(this);
    CreateToolbar();
    Panel2 = Make<TPanel>("Panel2", this, {0, 29, 169, 161}, QStringLiteral("Panel2"));
    CreateCalendar();

    Panel1 = Make<TPanel>("Panel1", this, {169, 29, 376, 161}, QStringLiteral("Panel1"));
    Memo1 = Make<QPlainTextEdit>("Memo1", Panel1, {4, 4, 368, 153});
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MoveFocusOnTab(*Memo1);
    Panel1->AddAligned(Memo1, alClient, QMargins(3, 3, 3, 3));
    Panel1->OnResize = [this] { Panel1Resize(); };

    CreateSettingsPanel();
    CreateNotice();
    CreateHistoryCommands();
    Connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this, &TForm1::ShowFindWindow);
    // The memo keeps these keys while it has typing of its own to undo or redo.
    LeaveSpentUndoKeys(*Memo1);
    Connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this, &TForm1::UndoDiaryWrite);
    for (const QKeySequence& redo : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        Connect(new QShortcut(redo, this), &QShortcut::activated, this, &TForm1::RedoDiaryWrite);
    CreateSettingsFile();
    previewBinding_ = std::make_unique<TfrxPreviewWindowBinding>();
    CreateReport();
    SetTabOrder();
    Realign();
}

void TForm1::ApplyStyleColors()
{
    // The application palette follows the style; the memo's text colour and the self-drawn
    // controls are ours to refresh.
    if (Memo1)
        SetMemoFont(MemoFont());
    update();
}

void TForm1::CreateCalendar()
{
    RzCalendar1 = Make<TRzCalendar>("RzCalendar1", Panel2, {4, 4, 161, 159});
    RzCalendar1->SetElements({ceYear, ceMonth, ceArrows, ceDaysOfWeek, ceFillDays, ceTodayButton});
    RzCalendar1->SetBorderOuter(fsLowered);
    RzCalendar1->SetFont(TFontDesc{});  // Tahoma, height -11, clWindowText
    RzCalendar1->OnClick = [this](QObject*) { Guarded([this] { RzCalendar1Click(); }); };
    RzCalendar1->OnViewDateChange = [this](QObject* sender, TDateTime viewDate) {
        Guarded([&] { RzCalendar1ViewDateChange(sender, viewDate); });
    };
    RzCalendar1->OnGetDayFormat = [this](QObject* sender, TDateTime day, uint16_t y, uint16_t m, uint16_t d,
                                         TColor& color, TColor& fontColor, TFontStyles& style) {
        RzCalendar1GetDayFormat(sender, day, y, m, d, color, fontColor, style);
    };
    Panel2->AddAligned(RzCalendar1, alClient, QMargins(3, 3, 3, 3));
}

void TForm1::CreateToolbar()
{
    RzToolbar1 = Make<TRzToolbar>("RzToolbar1", this, {0, 0, 545, 29});
    RzToolbar1->SetImages(ImageList1);
    RzToolbar1->SetButtonWidth(60);
    RzToolbar1->SetShowButtonCaptions(true);
    RzToolbar1->SetTextOptions(ttoSelectiveTextOnRight);  // last: the two above switch it to custom
    RzToolbar1->SetBorderInner(fsNone);
    RzToolbar1->SetBorderOuter(fsGroove);
    RzToolbar1->SetBorderSides({sdTop});
    RzToolbar1->SetBorderWidth(0);
    // Created in the toolbar's order.
    BtnInsertRecord = AddToolButton("BtnInsertRecord", QStringLiteral("Insert Record"), QStringLiteral("Insert Record"), 0, &TForm1::BtnInsertRecordClick);
    BtnDeleteRecord = AddToolButton("BtnDeleteRecord", QStringLiteral("Delete Record"), QStringLiteral("Delete Record"), 2, &TForm1::BtnDeleteRecordClick);
    BtnPost = AddToolButton("BtnPost", QStringLiteral("Post"), QStringLiteral("Post"), 6, &TForm1::BtnPostClick);
    RzSpacer1 = new TRzSpacer(RzToolbar1);
    RzSpacer1->setObjectName(QStringLiteral("RzSpacer1"));
    BtnPrintPreview = AddToolButton("BtnPrintPreview", QStringLiteral("Print Preview"), QStringLiteral("Print Preview"), 10, &TForm1::BtnPrintPreviewClick);
    BtnSetting = AddToolButton("BtnSetting", QStringLiteral("Settings"), QStringLiteral("Utilities"), 12, &TForm1::BtnSettingClick);
}

TRzToolButton* TForm1::AddToolButton(const char* name, const QString& caption, const QString& hint, int imageIndex,
                                     void (TForm1::*handler)())
{
    auto* button = new TRzToolButton(RzToolbar1);
    button->setObjectName(QLatin1String(name));
    button->SetCaption(caption);
    button->SetHint(hint);
    button->SetImageIndex(imageIndex);
    button->SetDisabledIndex(imageIndex + 1);  // each picture is followed by its grey copy
    button->OnClick = [this, handler](QObject*) { Guarded([&] { (this->*handler)(); }); };
    return button;
}

void TForm1::CreateSettingsPanel()
{
    const FormScale scale = ScreenScale();
    SplitView1 = Make<TSplitView>("SplitView1", this, {171, 33, 0, 161});
    SplitView1->SetOpenedWidth(scale(320));
    SplitView1->OnOpening = [this] { SplitView1Opening(); };
    SplitView1->OnClosed = [this] { SplitView1Closed(); };

    GroupBox1 = Make<QGroupBox>("GroupBox1", SplitView1, {119, 6, 125, 80}, QStringLiteral("Printing range"));
    FromDatePicker = Make<TDateTimePicker>("FromDatePicker", GroupBox1, {15, 24, 105, 21});
    FromDatePicker->setToolTip(QStringLiteral("From"));
    ToDatePicker = Make<TDateTimePicker>("ToDatePicker", GroupBox1, {15, 51, 105, 21});
    ToDatePicker->setToolTip(QStringLiteral("To"));

    GroupBox2 = Make<QGroupBox>("GroupBox2", SplitView1, {6, 6, 107, 59}, QStringLiteral("Memo"));
    MemoFontBtn = Make<QPushButton>("MemoFontBtn", GroupBox2, {16, 20, 81, 25}, QStringLiteral("Font"));
    MemoFontBtn->setIcon(QIcon(QPixmap::fromImage(ImageList1->Image(14))));
    Connect(MemoFontBtn, &QPushButton::clicked, this, &TForm1::MemoFontBtnClick);

    GroupBox3 = Make<QGroupBox>("GroupBox3", SplitView1, {4, 71, 109, 82}, QStringLiteral("Filled Out"));
    BoldCheck = Make<QCheckBox>("BoldCheck", GroupBox3, {16, 19, 59, 17}, QStringLiteral("Bold"));
    ItalicCheck = Make<QCheckBox>("ItalicCheck", GroupBox3, {57, 19, 49, 17}, QStringLiteral("Italic"));
    FilledColorEdit = Make<TRzColorEdit>("FilledColorEdit", GroupBox3, {15, 50, 67, 21});
    FilledColorEdit->SetShowCustomColor(true);

    GroupBox4 = Make<QGroupBox>("GroupBox4", SplitView1, {119, 92, 125, 61}, QStringLiteral("Style"));
    ComboBox1 = Make<QComboBox>("ComboBox1", GroupBox4, {15, 21, 91, 21});
    ComboBox1->setEditable(true);
    ComboBox1->setEditText(QStringLiteral("ComboBox1"));
    Connect(ComboBox1, &QComboBox::currentTextChanged, this, &TForm1::ComboBox1Change);

    RzLabel1 = Make<QLabel>("RzLabel1", SplitView1, {254, 89, 53, 26},
                            QStringLiteral("Ver1.0\nQt %1").arg(QLatin1String(qVersion())));
    CloseSetBtn = Make<QPushButton>("CloseSetBtn", SplitView1, {250, 121, 59, 25}, QStringLiteral("Close"));
    CloseSetBtn->setIcon(QIcon(QPixmap::fromImage(ImageList1->Image(24))));
    Connect(CloseSetBtn, &QPushButton::clicked, this, &TForm1::CloseSetBtnClick);
}

void TForm1::CreateNotice()
{
    // Below the memo, so the calendar keeps its room.
    Notice = new WriteNotice(Panel1);
    Notice->setFixedHeight(Notice->sizeHint().height());
    Notice->OnUndo = [this] { UndoDiaryWrite(); };
    Notice->OnShownOrHidden = [this] { Panel1->Realign(); };
    Panel1->AddAligned(Notice, alBottom, QMargins(3, 0, 3, 3));
    QObject::connect(Memo1, &QPlainTextEdit::textChanged, Notice, [this] { Notice->UserWentOn(); });
}

void TForm1::SetTabOrder()
{
    // Window: toolbar, Panel1 (memo), Panel2 (calendar), settings panel.
    setTabOrder(Memo1, RzCalendar1);
    setTabOrder(RzCalendar1, GroupBox1);
    // Settings panel: printing range, Close, memo font, filled look, style.
    setTabOrder(FromDatePicker, ToDatePicker);
    setTabOrder(ToDatePicker, CloseSetBtn);
    setTabOrder(CloseSetBtn, MemoFontBtn);
    setTabOrder(MemoFontBtn, BoldCheck);
    setTabOrder(BoldCheck, ItalicCheck);
    setTabOrder(ItalicCheck, FilledColorEdit);
    setTabOrder(FilledColorEdit, ComboBox1);
    RzCalendar1->setFocusPolicy(Qt::StrongFocus);
    FilledColorEdit->setFocusPolicy(Qt::StrongFocus);
}

void TForm1::Realign()
{
    const FormScale scale = ScreenScale();
    ApplyAlign(rect(), {{RzToolbar1, alTop, {}}, {Panel2, alLeft, {}}, {Panel1, alClient, {}}});
    // The settings panel floats over the memo: its left and top stay, its bottom follows the
    // window's bottom edge as designed (4 pixels below the client area).
    const int bottom = height() + scale(4);
    SplitView1->setGeometry(scale(171), scale(33), SplitView1->width(), std::max(0, bottom - scale(33)));
    SplitView1->raise();
}
