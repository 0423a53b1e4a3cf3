#pragma once

#include "report/base/report_types.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TfrxReport;

// Chooses the printer and what to print: pages, copies, order, duplex and the print mode. OK
// writes the choices into the report's print options and the current printer.
class TfrxPrintDialog : public QDialog {
    Q_OBJECT

public:
    // `currentPage` is the viewer's page (for "Current page"); `duplex` the duplex asked for last.
    TfrxPrintDialog(TfrxReport& report, int currentPage, TfrxDuplexMode duplex, QWidget* parent = nullptr);

    // The duplex chosen, once accepted.
    TfrxDuplexMode Duplex() const { return duplex_; }

    void accept() override;
    void reject() override;

    QComboBox* PrinterCB = nullptr;
    QPushButton* PropButton = nullptr;
    QLabel* WhereL = nullptr;
    QCheckBox* FileCB = nullptr;
    QRadioButton* AllRB = nullptr;
    QRadioButton* CurPageRB = nullptr;
    QRadioButton* PageNumbersRB = nullptr;
    QLineEdit* PageNumbersE = nullptr;
    QSpinBox* CopiesE = nullptr;
    QLabel* CollateImg = nullptr;
    QCheckBox* CollateCB = nullptr;
    QComboBox* PagesCB = nullptr;
    QComboBox* OrderCB = nullptr;
    QComboBox* DuplexCB = nullptr;
    QComboBox* PrintModeCB = nullptr;
    QComboBox* SheetCB = nullptr;

private:
    void CreatePrinterGroup();
    void CreatePagesGroup();
    void CreateCopiesGroup();
    void CreateOtherGroup();
    void CreateModeGroup();
    void ShowOptions();
    void PrinterChosen(int index);
    void FillSheets();
    void ModeChosen(int index);
    void SelectSheet(int paperNumber);
    void Properties();
    // Asks for the print file; false when that dialog was cancelled.
    bool ChoosePrintFile();

    TfrxReport& report_;
    int currentPage_;
    TfrxDuplexMode duplex_;
    int initialPrinter_;
};

// Shows the dialog modally over the active window.
bool ExecutePrintDialog(TfrxReport& report, int currentPage, TfrxDuplexMode& duplex);
