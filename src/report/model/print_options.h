#pragma once

#include "report/base/persistent.h"
#include "report/base/report_texts.h"
#include "report/base/report_types.h"

// How the report is printed.
class TfrxPrintOptions : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(int Copies READ Copies WRITE SetCopies)
    Q_PROPERTY(bool Collate READ Collate WRITE SetCollate)
    Q_PROPERTY(QString PageNumbers READ PageNumbers WRITE SetPageNumbers)
    Q_PROPERTY(QString Printer READ Printer WRITE SetPrinter)
    Q_PROPERTY(frx::TfrxPrintMode PrintMode READ PrintMode WRITE SetPrintMode)
    Q_PROPERTY(int PrintOnSheet READ PrintOnSheet WRITE SetPrintOnSheet)
    Q_PROPERTY(frx::TfrxPrintPages PrintPages READ PrintPages WRITE SetPrintPages)
    Q_PROPERTY(bool Reverse READ Reverse WRITE SetReverse)
    Q_PROPERTY(bool ShowDialog READ ShowDialog WRITE SetShowDialog)
    Q_PROPERTY(int SplicingLine READ SplicingLine WRITE SetSplicingLine)
    Q_PROPERTY(frx::TfrxDuplexMode Duplex READ Duplex WRITE SetDuplex)
    Q_CLASSINFO("default:Copies", "1")
    Q_CLASSINFO("default:Collate", "true")
    Q_CLASSINFO("default:PrintMode", "pmDefault")
    Q_CLASSINFO("default:PrintPages", "ppAll")
    Q_CLASSINFO("default:Reverse", "false")
    Q_CLASSINFO("default:ShowDialog", "true")
    Q_CLASSINFO("default:SplicingLine", "3")
    Q_CLASSINFO("default:Duplex", "dmNone")

public:
    Q_INVOKABLE explicit TfrxPrintOptions(QObject* owner = nullptr) : TfrxPersistent(owner) {}

    // Copies every setting except the duplex asked for and the file a program named: those are
    // not part of a job's choices.
    void Assign(const TfrxPrintOptions& source)
    {
        const TfrxDuplexMode duplex = duplex_;
        const QString fileName = prnOutFileName_;
        TfrxPersistent::Assign(source);
        duplex_ = duplex;
        prnOutFileName_ = fileName;
    }

    int Copies() const { return copies_; }
    void SetCopies(int value) { copies_ = value; }
    bool Collate() const { return collate_; }
    void SetCollate(bool value) { collate_ = value; }
    QString PageNumbers() const { return pageNumbers_; }
    void SetPageNumbers(const QString& value) { pageNumbers_ = value; }
    QString Printer() const { return printer_; }
    void SetPrinter(const QString& value) { printer_ = value; }
    TfrxPrintMode PrintMode() const { return printMode_; }
    void SetPrintMode(TfrxPrintMode value) { printMode_ = value; }
    int PrintOnSheet() const { return printOnSheet_; }
    void SetPrintOnSheet(int value) { printOnSheet_ = value; }
    TfrxPrintPages PrintPages() const { return printPages_; }
    void SetPrintPages(TfrxPrintPages value) { printPages_ = value; }
    bool Reverse() const { return reverse_; }
    void SetReverse(bool value) { reverse_ = value; }
    bool ShowDialog() const { return showDialog_; }
    void SetShowDialog(bool value) { showDialog_ = value; }
    int SplicingLine() const { return splicingLine_; }
    void SetSplicingLine(int value) { splicingLine_ = value; }
    TfrxDuplexMode Duplex() const { return duplex_; }
    void SetDuplex(TfrxDuplexMode value) { duplex_ = value; }
    // Set by a program to print into a file.
    QString PrnOutFileName() const { return prnOutFileName_; }
    void SetPrnOutFileName(const QString& value) { prnOutFileName_ = value; }

private:
    int copies_ = 1;
    bool collate_ = true;
    QString pageNumbers_;
    QString printer_ = kDefaultPrinterText;
    TfrxPrintMode printMode_ = pmDefault;
    int printOnSheet_ = 0;
    TfrxPrintPages printPages_ = ppAll;
    bool reverse_ = false;
    bool showDialog_ = true;
    int splicingLine_ = 3;
    TfrxDuplexMode duplex_ = dmNone;
    QString prnOutFileName_;
};
