#include "print_dialog.h"

#include "dialog_parts.h"
#include "print_pictures.h"
#include "resources.h"

#include "report/model/report.h"
#include "report/printers/printer.h"

#include "platform/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int kMaxCopies = 1000;
constexpr int kPrinterImage = 2;
const QString kPrintFileFilter = QStringLiteral("Printer file (*.prn)|*.prn|PDF document (*.pdf)|*.pdf");

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    return label;
}

QComboBox* AddList(QWidget* parent, const QStringList& items, const QRect& geometry)
{
    auto* list = new QComboBox(parent);
    list->addItems(items);
    list->setGeometry(geometry);
    return list;
}

}  // namespace

TfrxPrintDialog::TfrxPrintDialog(TfrxReport& report, int currentPage, TfrxDuplexMode duplex, QWidget* parent)
    : QDialog(parent), report_(report), currentPage_(currentPage), duplex_(duplex),
      initialPrinter_(frxPrinters().PrinterIndex())
{
    SetUpFixedDialog(*this, QStringLiteral("Print"), 557, 333);
    CreatePrinterGroup();
    CreatePagesGroup();
    CreateCopiesGroup();
    CreateOtherGroup();
    CreateModeGroup();
    AddOkCancel(*this, QPoint(386, 300));
    ShowOptions();
}

void TfrxPrintDialog::CreatePrinterGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Printer"), QRect(8, 4, 541, 97));
    AddLabel(group, QStringLiteral("Name:"), 16, 24);
    PrinterCB = new QComboBox(group);
    PrinterCB->setGeometry(64, 20, 361, 22);
    const QIcon printerImage = frxResources().Image(kPrinterImage);
    for (const QString& name : frxPrinters().Printers())
        PrinterCB->addItem(printerImage, name);
    PropButton = new QPushButton(QStringLiteral("Properties..."), group);
    PropButton->setGeometry(436, 19, 93, 25);
    connect(PropButton, &QPushButton::clicked, this, &TfrxPrintDialog::Properties);
    AddLabel(group, QStringLiteral("Where:"), 16, 50);
    WhereL = AddLabel(group, QString(), 64, 50);
    WhereL->setFixedWidth(361);
    FileCB = new QCheckBox(QStringLiteral("Print to file"), group);
    FileCB->move(16, 70);
    PrinterCB->setCurrentIndex(frxPrinters().PrinterIndex());
    connect(PrinterCB, &QComboBox::currentIndexChanged, this, &TfrxPrintDialog::PrinterChosen);
}

void TfrxPrintDialog::CreatePagesGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Pages"), QRect(8, 106, 265, 122));
    AllRB = new QRadioButton(QStringLiteral("All"), group);
    AllRB->move(16, 20);
    AllRB->setChecked(true);
    CurPageRB = new QRadioButton(QStringLiteral("Current page"), group);
    CurPageRB->move(16, 40);
    PageNumbersRB = new QRadioButton(QStringLiteral("Pages:"), group);
    PageNumbersRB->move(16, 60);
    PageNumbersE = new QLineEdit(group);
    PageNumbersE->setGeometry(88, 58, 161, 21);
    auto* note = AddLabel(group, QStringLiteral("Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"),
                          16, 84);
    note->setWordWrap(true);
    note->setFixedSize(233, 30);
    connect(PageNumbersE, &QLineEdit::textEdited, this, [this] { PageNumbersRB->setChecked(true); });
    connect(PageNumbersRB, &QRadioButton::clicked, this, [this] { PageNumbersE->setFocus(); });
}

void TfrxPrintDialog::CreateCopiesGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Copies"), QRect(284, 106, 265, 90));
    AddLabel(group, QStringLiteral("Number of copies"), 16, 22);
    CopiesE = new QSpinBox(group);
    CopiesE->setRange(1, kMaxCopies);
    CopiesE->setGeometry(176, 18, 73, 21);
    CollateImg = new QLabel(group);
    CollateImg->setGeometry(16, 44, 110, 40);
    CollateCB = new QCheckBox(QStringLiteral("Collate"), group);
    CollateCB->move(150, 56);
    connect(CollateCB, &QCheckBox::toggled, this, [this](bool on) { CollateImg->setPixmap(CopiesPicture(on)); });
}

void TfrxPrintDialog::CreateOtherGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Other"), QRect(284, 200, 265, 92));
    AddLabel(group, QStringLiteral("Print"), 16, 20);
    PagesCB = AddList(group, {QStringLiteral("All pages"), QStringLiteral("Odd pages"), QStringLiteral("Even pages")},
                      QRect(96, 16, 153, 21));
    AddLabel(group, frxResources().Get(QStringLiteral("prOrder")), 16, 44);
    OrderCB = AddList(group, {frxResources().Get(QStringLiteral("prDirect")), frxResources().Get(QStringLiteral("prReverse"))},
                      QRect(96, 40, 153, 21));
    AddLabel(group, QStringLiteral("Duplex"), 16, 68);
    DuplexCB = AddList(group,
                       {QStringLiteral("Default"), QStringLiteral("Vertical"), QStringLiteral("Horizontal"), QStringLiteral("Simplex")},
                       QRect(96, 64, 153, 21));
}

void TfrxPrintDialog::CreateModeGroup()
{
    QGroupBox* group = AddGroup(this, QStringLiteral("Print mode"), QRect(8, 232, 265, 93));
    PrintModeCB = new QComboBox(group);
    PrintModeCB->setGeometry(16, 18, 233, 40);
    PrintModeCB->setIconSize(QSize(64, 32));
    const QString names[] = {QStringLiteral("Default"), QStringLiteral("Split big pages"), QStringLiteral("Join small pages"),
                             QStringLiteral("Scale")};
    for (int mode = pmDefault; mode <= pmScale; ++mode)
        PrintModeCB->addItem(PrintModePicture(TfrxPrintMode(mode)), names[mode]);
    AddLabel(group, QStringLiteral("Print on sheet"), 16, 66);
    SheetCB = new QComboBox(group);
    SheetCB->setGeometry(104, 62, 145, 21);
    connect(PrintModeCB, &QComboBox::currentIndexChanged, this, &TfrxPrintDialog::ModeChosen);
}

// The controls take the print options.
void TfrxPrintDialog::ShowOptions()
{
    const TfrxPrintOptions& options = *report_.PrintOptions();
    PrinterChosen(PrinterCB->currentIndex());
    CopiesE->setValue(options.Copies());
    CollateCB->setChecked(options.Collate());
    CollateImg->setPixmap(CopiesPicture(options.Collate()));
    PageNumbersE->setText(options.PageNumbers());
    if (!options.PageNumbers().isEmpty())
        PageNumbersRB->setChecked(true);
    PagesCB->setCurrentIndex(options.PrintPages());
    OrderCB->setCurrentIndex(options.Reverse() ? 1 : 0);
    DuplexCB->setCurrentIndex(duplex_);
    PrintModeCB->setCurrentIndex(options.PrintMode());
    ModeChosen(options.PrintMode());
    if (options.PrintMode() != pmDefault)
        SelectSheet(options.PrintOnSheet());
}

void TfrxPrintDialog::PrinterChosen(int index)
{
    if (index < 0)
        return;
    frxPrinters().SetPrinterIndex(index);
    TfrxPrinter* printer = frxPrinters().Printer();
    WhereL->setText(printer ? printer->Port() : QString());
    FillSheets();
}

// "Default" and the printer's papers; the sheet chosen before stays when the printer has it.
void TfrxPrintDialog::FillSheets()
{
    const QString chosen = SheetCB->currentText();
    const QSignalBlocker block(SheetCB);
    SheetCB->clear();
    SheetCB->addItem(QStringLiteral("Default"), kCustomPaperNumber);
    if (const TfrxPrinter* printer = frxPrinters().Printer())
        for (const TfrxPrinterItem& paper : printer->Papers())
            if (paper.number != kCustomPaperNumber)
                SheetCB->addItem(paper.name, paper.number);
    SheetCB->setCurrentIndex(std::max(SheetCB->findText(chosen), 0));
}

void TfrxPrintDialog::ModeChosen(int index)
{
    const bool sheets = index != pmDefault;
    SheetCB->setEnabled(sheets);
    if (!sheets)
        SheetCB->setCurrentIndex(0);
    else if (SheetCB->currentIndex() == 0)
        SelectSheet(9);
}

void TfrxPrintDialog::SelectSheet(int paperNumber)
{
    const int index = SheetCB->findData(paperNumber);
    if (index >= 0)
        SheetCB->setCurrentIndex(index);
}

void TfrxPrintDialog::Properties()
{
    TfrxPrinter* printer = frxPrinters().Printer();
    if (!printer || !printer->PropertiesDlg() || printer->Duplex() == -1)
        return;
    // The driver's simplex, vertical and horizontal are the list's last three entries.
    const int entries[] = {0, 3, 1, 2};
    if (printer->Duplex() >= 1 && printer->Duplex() <= 3)
        DuplexCB->setCurrentIndex(entries[printer->Duplex()]);
}

bool TfrxPrintDialog::ChoosePrintFile()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Print to file");
    request.filter = kPrintFileFilter;
    request.defaultExt = QStringLiteral("prn");
    const std::optional<QString> chosen = Dialogs().SaveFileName(request);
    if (!chosen)
        return false;
    // The extension follows the kind of file chosen: PDF stays PDF, anything else becomes a
    // printer file.
    const QFileInfo file(*chosen);
    const bool pdf = file.suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const QString base = file.suffix().isEmpty() ? *chosen : chosen->left(chosen->size() - file.suffix().size() - 1);
    frxPrinters().Printer()->FileName = base + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".prn"));
    return true;
}

void TfrxPrintDialog::accept()
{
    TfrxPrinter* printer = frxPrinters().Printer();
    if (printer)
        printer->FileName.clear();
    if (FileCB->isChecked() && printer && !ChoosePrintFile()) {
        reject();
        return;
    }
    TfrxPrintOptions& options = *report_.PrintOptions();
    options.SetCopies(CopiesE->value());
    options.SetCollate(CollateCB->isChecked());
    if (AllRB->isChecked())
        options.SetPageNumbers(QString());
    else if (CurPageRB->isChecked())
        options.SetPageNumbers(QString::number(currentPage_));
    else
        options.SetPageNumbers(PageNumbersE->text());
    options.SetPrintPages(TfrxPrintPages(PagesCB->currentIndex()));
    duplex_ = TfrxDuplexMode(DuplexCB->currentIndex());
    options.SetReverse(OrderCB->currentIndex() == 1);
    options.SetPrintMode(TfrxPrintMode(PrintModeCB->currentIndex()));
    options.SetPrintOnSheet(SheetCB->currentData().toInt());
    QDialog::accept();
}

void TfrxPrintDialog::reject()
{
    if (frxPrinters().PrinterIndex() != initialPrinter_)
        frxPrinters().SetPrinterIndex(initialPrinter_);
    QDialog::reject();
}

bool ExecutePrintDialog(TfrxReport& report, int currentPage, TfrxDuplexMode& duplex)
{
    TfrxPrintDialog dialog(report, currentPage, duplex, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    duplex = dialog.Duplex();
    return true;
}
