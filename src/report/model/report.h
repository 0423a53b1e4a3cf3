#pragma once

#include "data_set_link.h"
#include "engine_options.h"
#include "preview_options.h"
#include "print_options.h"
#include "report_builder.h"
#include "report_datasets.h"
#include "report_options.h"

#include "report/expressions/report_variables.h"

#include "component.h"

#include <QStringList>
#include <functional>
#include <memory>

class QTimer;
class TfrxEngineValues;
class TfrxPage;
class TfrxPreparedPagesSink;
class TfrxPreviewBinding;
class TfrxReportComponent;
class TfrxReportPage;
class TfrxScript;

enum TfrxProgressType { ptRunning, ptExporting, ptPrinting };

// The report: its pages are its children, in order; it owns the options and the list of data
// sources its template may use.
class TfrxReport : public TfrxComponent {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    Q_PROPERTY(TfrxDataSet* DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(bool DotMatrixReport READ DotMatrixReport WRITE SetDotMatrixReport)
    Q_PROPERTY(TfrxEngineOptions* EngineOptions READ EngineOptions)
    Q_PROPERTY(QString IniFile READ IniFile WRITE SetIniFile)
    Q_PROPERTY(bool OldStyleProgress READ OldStyleProgress WRITE SetOldStyleProgress)
    Q_PROPERTY(TfrxPreviewOptions* PreviewOptions READ PreviewOptions)
    Q_PROPERTY(TfrxPrintOptions* PrintOptions READ PrintOptions)
    Q_PROPERTY(TfrxReportOptions* ReportOptions READ ReportOptions)
    Q_PROPERTY(QString ScriptLanguage READ ScriptLanguage WRITE SetScriptLanguage)
    Q_PROPERTY(QStringList ScriptText READ ScriptText WRITE SetScriptText)
    Q_PROPERTY(bool ShowProgress READ ShowProgress WRITE SetShowProgress)
    Q_PROPERTY(bool StoreInDFM READ StoreInDFM WRITE SetStoreInDFM)
    Q_CLASSINFO("default:OldStyleProgress", "false")
    Q_CLASSINFO("default:ShowProgress", "true")
    Q_CLASSINFO("default:StoreInDFM", "true")

public:
    static inline const QString kVersion = QStringLiteral("6.2.1");
    static inline const QString kDefaultIniFile = QStringLiteral("\\Software\\Velmora");
    static inline const QString kDefaultScriptLanguage = QStringLiteral("PascalScript");

    using GetValueEvent = std::function<void(const QString& varName, QVariant& value)>;
    using NewGetValueEvent = std::function<void(TfrxReport* sender, const QString& varName, QVariant& value)>;

    Q_INVOKABLE explicit TfrxReport(QObject* owner = nullptr);
    ~TfrxReport() override;

    // Always the library's version, whatever a template stores.
    QString Version() const { return kVersion; }
    void SetVersion(const QString&) {}
    // A report-level data source repeats the whole report per row.
    TfrxDataSet* DataSet() const { return dataSet_.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { dataSet_.SetDataSet(value); }
    QString DataSetName() const { return dataSet_.DataSetName(); }
    void SetDataSetName(const QString& value) { dataSet_.SetDataSetName(value, this); }
    bool DotMatrixReport() const { return dotMatrixReport_; }
    void SetDotMatrixReport(bool value) { dotMatrixReport_ = value; }
    TfrxEngineOptions* EngineOptions() const { return engineOptions_; }
    QString IniFile() const { return iniFile_; }
    void SetIniFile(const QString& value) { iniFile_ = value; }
    bool OldStyleProgress() const { return oldStyleProgress_; }
    void SetOldStyleProgress(bool value) { oldStyleProgress_ = value; }
    TfrxPreviewOptions* PreviewOptions() const { return previewOptions_; }
    TfrxPrintOptions* PrintOptions() const { return printOptions_; }
    TfrxReportOptions* ReportOptions() const { return reportOptions_; }
    QString ScriptLanguage() const { return scriptLanguage_; }
    void SetScriptLanguage(const QString& value) { scriptLanguage_ = value; }
    QStringList ScriptText() const { return scriptText_; }
    void SetScriptText(const QStringList& value) { scriptText_ = value; }
    bool ShowProgress() const { return showProgress_; }
    void SetShowProgress(bool value) { showProgress_ = value; }
    bool StoreInDFM() const { return storeInDFM_; }
    void SetStoreInDFM(bool value) { storeInDFM_ = value; }

    using NotifyEvent = std::function<void(TfrxReport* sender)>;
    using ComponentEvent = std::function<void(TfrxReportComponent* sender)>;
    using ProgressEvent = std::function<void(TfrxReport* sender, TfrxProgressType type, int progress)>;

    GetValueEvent OnGetValue;
    NewGetValueEvent OnNewGetValue;
    NotifyEvent OnBeginDoc;
    NotifyEvent OnEndDoc;
    // Around every output of a band: for the band, and for each of its objects while the band is
    // visible. Before printing the handler may still change the object, such as its visibility
    // or text; after printing it is about to be restored.
    ComponentEvent OnBeforePrint;
    ComponentEvent OnAfterPrint;
    // Printing: before the first page, for each page with its copy number, after the job.
    NotifyEvent OnPrintReport;
    std::function<void(const TfrxReportPage& page, int copyNo)> OnPrintPage;
    NotifyEvent OnAfterPrintReport;
    // Build start, each new page (its number from 1), build end.
    ProgressEvent OnProgressStart;
    ProgressEvent OnProgress;
    ProgressEvent OnProgressStop;

    // Builds the prepared pages; true when building finished without errors. The errors are
    // reported after building as EngineOptions' silent mode says.
    bool PrepareReport(bool clearLastReport = true);
    // Hands the report to the preview at once and builds the pages from the message loop 50 ms
    // later, so the preview shows them as they come; does nothing while a build runs.
    void ShowReport(bool clearLastReport = true);
    // Opens the bound preview; without one the pages are only built.
    void ShowPreparedReport();
    // The preview window bound to the report, or none; the report does not own it.
    TfrxPreviewBinding* Preview() const { return preview_; }
    void SetPreview(TfrxPreviewBinding* preview) { preview_ = preview; }
    // Setting it asks a running build to stop; the pages built so far stay.
    bool Terminated() const { return terminated_; }
    void SetTerminated(bool value) { terminated_ = value; }
    // The building engine; a stand-in that cannot build until the engine library installs one.
    TfrxReportBuilder& Engine() const { return *engine_; }
    void SetEngine(std::unique_ptr<TfrxReportBuilder> engine);
    // The prepared pages store; the library that holds it plugs it in.
    TfrxPreparedPagesSink* PreviewPages() const { return previewPages_.get(); }
    void SetPreviewPages(std::unique_ptr<TfrxPreparedPagesSink> pages);
    void InternalOnProgressStart(TfrxProgressType type);
    void InternalOnProgress(TfrxProgressType type, int progress);
    void InternalOnProgressStop(TfrxProgressType type);

    TfrxReportDataSets& Datasets() { return datasets_; }
    const TfrxReportDataSets& Datasets() const { return datasets_; }

    int PagesCount() const;
    TfrxPage* Pages(int index) const;

    // The data source of the first Datasets item whose source's user name is the alias (without
    // regard to case), or none.
    TfrxDataSet* GetDataset(const QString& alias) const;
    // The source's user name when Datasets lists it, a note saying it is not listed otherwise,
    // and empty for none.
    QString GetAlias(const TfrxDataSet* dataSet) const;
    // Splits a field reference such as frxUserDataSet1."Data1" at its first full stop followed by
    // a double quote: the alias names the data source, the field runs up to the closing quote.
    // Without such a pair there is neither.
    void GetDatasetAndField(const QString& name, TfrxDataSet*& dataSet, QString& field) const;
    // The value of a field reference, with Null replaced by the field type's empty value while
    // ConvertNulls is on. False when the name is no field reference of a listed data source.
    bool GetFieldReferenceValue(const QString& name, QVariant& value) const;

    // The value of an expression: a field reference, a system variable, what OnGetValue and
    // OnNewGetValue answer, a report variable (whose string value is itself an expression), a
    // global variable, a script variable, or else what the script's evaluator computes. A
    // failure goes into Errors, prefixed with the name of the object being processed, and is
    // raised as EExpressionError; a division by zero gives Null with IgnoreDevByZero.
    QVariant Calc(const QString& expression);
    TfrxVariables& Variables() { return variables_; }
    TfrxScript& Script() { return *script_; }
    // The errors of the build, sorted, without duplicates.
    const QStringList& Errors() const { return errors_; }
    void AddError(const QString& text);
    void ClearErrors() { errors_.clear(); }
    // The name of the object being processed, for error texts.
    QString CurObject() const { return curObject_; }
    void SetCurObject(const QString& name) { curObject_ = name; }
    // The building engine's values while it runs; the idle values otherwise.
    const TfrxEngineValues& EngineValues() const;
    void SetEngineValues(const TfrxEngineValues* values) { engineValues_ = values; }

private:
    void PrepareScript();
    void ReportErrors();
    // The application's event, then the bound preview, then the pending window messages.
    void PassProgress(const ProgressEvent& event, TfrxProgressType type, int progress,
                      const std::function<void(TfrxPreviewBinding&)>& tellPreview);

    // Every resolution of a name short of the script's evaluator.
    bool LookUpName(const QString& name, QVariant& value);
    QVariant CalcNested(const QString& expression);

    DataSetLink dataSet_;
    bool dotMatrixReport_ = false;
    TfrxEngineOptions* engineOptions_;
    QString iniFile_ = kDefaultIniFile;
    bool oldStyleProgress_ = false;
    TfrxPreviewOptions* previewOptions_;
    TfrxPrintOptions* printOptions_;
    TfrxReportOptions* reportOptions_;
    QString scriptLanguage_ = kDefaultScriptLanguage;
    QStringList scriptText_;
    bool showProgress_ = true;
    bool storeInDFM_ = true;
    TfrxReportDataSets datasets_;
    TfrxVariables variables_;
    std::unique_ptr<TfrxScript> script_;
    QStringList errors_;
    QString curObject_;
    const TfrxEngineValues* engineValues_ = nullptr;
    int calcDepth_ = 0;
    std::unique_ptr<TfrxPreparedPagesSink> previewPages_;
    std::unique_ptr<TfrxReportBuilder> engine_;
    std::unique_ptr<QTimer> startTimer_;
    TfrxPreviewBinding* preview_ = nullptr;
    bool terminated_ = false;
};
