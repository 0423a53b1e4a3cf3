#include "page_settings_form.h"

#include "dialog_parts.h"
#include "number_reader.h"
#include "print_pictures.h"

#include "report/model/report_page.h"
#include "report/printers/printer.h"

#include "platform/error_box.h"
#include "platform/locale_info.h"
#include "platform/registry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

constexpr int kInches = 1;

}  // namespace

TfrxPageSettingsForm::TfrxPageSettingsForm(TfrxReportPage& page, const QString& iniFile, QWidget* parent)
    : QDialog(parent), page_(page)
{
    SetUpFixedDialog(*this, QStringLiteral("Page Settings"), 286, 359);
    // Units other than inches are shown in centimetres: a unit that cannot be read must not turn
    // every typed value into nothing.
    const bool inches = ReadStoredInteger(iniFile, QStringLiteral("Form5.TfrxDesignerForm"), QStringLiteral("Units"), 0) == kInches;
    unitSize_ = inches ? 25.4 : 10;
    unitName_ = inches ? QStringLiteral("in") : QStringLiteral("cm");
    CreateSizeGroup();
    CreateOrientationGroup();
    CreateMarginsGroup();
    CreateOtherGroup();
    AddOkCancel(*this, QPoint(116, 326));
    ShowPage();
}

// A caption, an edit and the unit, in a row starting at (x, y).
QLineEdit* TfrxPageSettingsForm::AddValue(QWidget* group, const QString& caption, int x, int y)
{
    auto* label = new QLabel(caption, group);
    label->move(x, y + 3);
    auto* edit = new QLineEdit(group);
    edit->setGeometry(x + 44, y, 57, 21);
    auto* unit = new QLabel(unitName_, group);
    unit->move(x + 105, y + 3);
    return edit;
}

void TfrxPageSettingsForm::CreateSizeGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Size"), QRect(8, 4, 270, 102));
    PaperCB = new QComboBox(group);
    PaperCB->setGeometry(12, 20, 246, 21);
    if (const TfrxPrinter* printer = frxPrinters().Printer())
        for (const TfrxPrinterItem& paper : printer->Papers())
            PaperCB->addItem(paper.name, paper.number);
    WidthE = AddValue(group, QStringLiteral("Width"), 12, 48);
    HeightE = AddValue(group, QStringLiteral("Height"), 12, 74);
    connect(PaperCB, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { SizeChosen(); }); });
    // Typing a size makes it a custom one.
    for (QLineEdit* edit : {WidthE, HeightE})
        connect(edit, &QLineEdit::textEdited, this, [this] {
            const QSignalBlocker block(PaperCB);
            PaperCB->setCurrentIndex(std::max(PaperCB->findData(kCustomPaperNumber), 0));
        });
}

void TfrxPageSettingsForm::CreateOrientationGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Orientation"), QRect(8, 110, 270, 70));
    PortraitRB = new QRadioButton(QStringLiteral("Portrait"), group);
    PortraitRB->move(12, 20);
    LandscapeRB = new QRadioButton(QStringLiteral("Landscape"), group);
    LandscapeRB->move(12, 42);
    OrientationImg = new QLabel(group);
    OrientationImg->setGeometry(200, 16, 48, 48);
    connect(LandscapeRB, &QRadioButton::toggled, this, [this] {
        OrientationImg->setPixmap(OrientationPicture(Orientation()));
        Guarded([this] { SizeChosen(); });
    });
}

void TfrxPageSettingsForm::CreateMarginsGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Margins"), QRect(8, 184, 270, 72));
    LeftE = AddValue(group, QStringLiteral("Left"), 12, 18);
    TopE = AddValue(group, QStringLiteral("Top"), 12, 44);
    RightE = AddValue(group, QStringLiteral("Right"), 138, 18);
    BottomE = AddValue(group, QStringLiteral("Bottom"), 138, 44);
}

void TfrxPageSettingsForm::CreateOtherGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Other"), QRect(8, 260, 270, 60));
    ApplyToCurRB = new QRadioButton(QStringLiteral("Apply to the current page"), group);
    ApplyToCurRB->move(12, 18);
    ApplyToCurRB->setChecked(true);
    ApplyToAllRB = new QRadioButton(QStringLiteral("Apply to all pages"), group);
    ApplyToAllRB->move(12, 38);
}

// The page's values; its paper is selected, or "Custom" when the printer does not list it.
void TfrxPageSettingsForm::ShowPage()
{
    {
        const QSignalBlocker paper(PaperCB);
        const QSignalBlocker landscape(LandscapeRB);
        const int listed = PaperCB->findData(page_.PaperSize());
        PaperCB->setCurrentIndex(listed >= 0 ? listed : std::max(PaperCB->findData(kCustomPaperNumber), 0));
        (page_.Orientation() == poLandscape ? LandscapeRB : PortraitRB)->setChecked(true);
    }
    OrientationImg->setPixmap(OrientationPicture(page_.Orientation()));
    WidthE->setText(ToText(page_.PaperWidth()));
    HeightE->setText(ToText(page_.PaperHeight()));
    LeftE->setText(ToText(page_.LeftMargin()));
    TopE->setText(ToText(page_.TopMargin()));
    RightE->setText(ToText(page_.RightMargin()));
    BottomE->setText(ToText(page_.BottomMargin()));
}

TPrinterOrientation TfrxPageSettingsForm::Orientation() const
{
    return LandscapeRB->isChecked() ? poLandscape : poPortrait;
}

// A whole value without decimals, any other with two.
QString TfrxPageSettingsForm::ToText(double millimetres) const
{
    const double value = millimetres / unitSize_;
    if (std::abs(value - std::round(value)) < 1e-9)
        return QString::number(std::llround(value));
    return QString::asprintf("%2.2f", value).replace(QLatin1Char('.'), CurrentLocale().decimalSeparator);
}

double TfrxPageSettingsForm::ToMillimetres(const QLineEdit& edit) const { return ReadNumber(edit.text()) * unitSize_; }

// The printer measures the chosen paper in the chosen orientation. A custom size goes in with
// width and height exchanged, so turning it turns the typed size.
void TfrxPageSettingsForm::SizeChosen()
{
    TfrxPrinter* printer = frxPrinters().Printer();
    if (!printer)
        return;
    const int number = PaperCB->currentData().toInt();
    const double width = ToMillimetres(*WidthE), height = ToMillimetres(*HeightE);
    if (number == kCustomPaperNumber)
        printer->SetViewParams(number, height, width, Orientation());
    else
        printer->SetViewParams(number, width, height, Orientation());
    WidthE->setText(ToText(printer->PaperWidth()));
    HeightE->setText(ToText(printer->PaperHeight()));
}

bool TfrxPageSettingsForm::ApplyToAll() const { return ApplyToAllRB->isChecked(); }

// A value that is no number is shown in the error box and the dialog stays open.
void TfrxPageSettingsForm::accept()
{
    Guarded([this] { ApplyToPage(); });
}

void TfrxPageSettingsForm::ApplyToPage()
{
    const double width = ToMillimetres(*WidthE), height = ToMillimetres(*HeightE);
    const double left = ToMillimetres(*LeftE), top = ToMillimetres(*TopE);
    const double right = ToMillimetres(*RightE), bottom = ToMillimetres(*BottomE);
    page_.SetOrientation(Orientation());
    page_.SetPaperWidth(width);
    page_.SetPaperHeight(height);
    page_.SetPaperSize(PaperCB->currentData().toInt());
    page_.SetLeftMargin(left);
    page_.SetTopMargin(top);
    page_.SetRightMargin(right);
    page_.SetBottomMargin(bottom);
    page_.AlignChildren();
    QDialog::accept();
}
