#include "report.h"

#include "prepared_pages_sink.h"
#include "preview_binding.h"
#include "template_snapshot.h"

#include "report/expressions/report_script.h"

#include "platform/dialogs.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QTimer>
#include <optional>

namespace {

constexpr int kStartDelayMs = 50;
const QString kErrorsHeading = QStringLiteral("The following error(s) have occured:");
// clDSNotExist
QString DataSetMissingText(const QString& name) { return QStringLiteral("Cannot find dataset %1").arg(name); }

}  // namespace

void TfrxReport::SetPreviewPages(std::unique_ptr<TfrxPreparedPagesSink> pages) { previewPages_ = std::move(pages); }

void TfrxReport::SetEngine(std::unique_ptr<TfrxReportBuilder> engine) { engine_ = std::move(engine); }

bool TfrxReport::PrepareReport(bool clearLastReport)
{
    if (clearLastReport && previewPages_)
        previewPages_->Clear();
    ClearErrors();
    terminated_ = false;
    bool result = false;
    for (int i = 0; i < datasets_.Count(); ++i)
        if (!datasets_.Items(i).DataSet())
            AddError(DataSetMissingText(datasets_.Items(i).DataSetName()));
    if (errors_.isEmpty()) {
        std::optional<TfrxTemplateSnapshot> designed;
        if (engineOptions_->DestroyForms())
            designed.emplace(*this);
        try {
            if (OnBeginDoc)
                OnBeginDoc(this);
            PrepareScript();
            if (!terminated_) {
                if (engine_->Run()) {
                    if (OnEndDoc)
                        OnEndDoc(this);
                    result = true;
                } else if (preview_) {
                    // Only a build refused before its first page closes the preview; a cancelled
                    // one leaves it showing what there is.
                    preview_->ClosePreview();
                }
            }
        } catch (const Exception& error) {
            AddError(error.Message());
        } catch (const std::exception& error) {
            AddError(QString::fromLocal8Bit(error.what()));
        }
        if (designed)
            designed->Restore();
    }
    if (!errors_.isEmpty()) {
        result = false;
        ReportErrors();
    }
    return result;
}

// Compiled expressions are kept for one build only.
void TfrxReport::PrepareScript() { script_->ClearCache(); }

void TfrxReport::ReportErrors()
{
    const QString text = kErrorsHeading + QStringLiteral("\r\n") + errors_.join(QStringLiteral("\r\n"));
    switch (engineOptions_->NewSilentMode()) {
    case simMessageBoxes:
        Dialogs().MessageBox(text, QStringLiteral("Error"), MB_OK | MB_ICONERROR);
        break;
    case simSilent:
        break;
    case simReThrow:
        throw Exception(text);
    }
}

void TfrxReport::ShowReport(bool clearLastReport)
{
    if (engine_->Running())
        return;
    if (clearLastReport && previewPages_)
        previewPages_->Clear();
    if (oldStyleProgress_) {
        if (!PrepareReport(false))
            return;
    } else {
        if (!startTimer_) {
            startTimer_ = std::make_unique<QTimer>();
            startTimer_->setSingleShot(true);
            startTimer_->setInterval(kStartDelayMs);
            QObject::connect(startTimer_.get(), &QTimer::timeout, this, [this] { PrepareReport(false); });
        }
        startTimer_->start();
    }
    ShowPreparedReport();
    // A modal preview is closed again by now. A build that has not started yet would have no window
    // to show its pages, and would read data its owner may be letting go.
    if (startTimer_ && preview_ && !preview_->PreviewOpen())
        startTimer_->stop();
}

void TfrxReport::ShowPreparedReport()
{
    if (preview_)
        preview_->ShowPreparedReport(*this);
}

void TfrxReport::PassProgress(const ProgressEvent& event, TfrxProgressType type, int progress,
                              const std::function<void(TfrxPreviewBinding&)>& tellPreview)
{
    if (engineOptions_->EnableThreadSafe())
        return;
    if (event)
        event(this, type, progress);
    if (type == ptRunning && preview_)
        tellPreview(*preview_);
    QCoreApplication::processEvents();
}

void TfrxReport::InternalOnProgressStart(TfrxProgressType type)
{
    PassProgress(OnProgressStart, type, 0, [](TfrxPreviewBinding& preview) { preview.BuildStarted(); });
}

void TfrxReport::InternalOnProgress(TfrxProgressType type, int progress)
{
    PassProgress(OnProgress, type, progress, [progress](TfrxPreviewBinding& preview) { preview.PageAdded(progress - 1); });
}

void TfrxReport::InternalOnProgressStop(TfrxProgressType type)
{
    PassProgress(OnProgressStop, type, 0, [](TfrxPreviewBinding& preview) { preview.BuildStopped(); });
}
