#pragma once

#include "report/model/preview_binding.h"

#include <QPointer>

#include <functional>

class TfrxPreviewForm;
class TfrxReport;

// Opens a preview window whenever the bound report shows its pages, and passes the build's
// progress on to that window's viewer.
class TfrxPreviewWindowBinding : public TfrxPreviewBinding {
public:
    void ShowPreparedReport(TfrxReport& report) override;
    void ClosePreview() override;
    bool PreviewOpen() const override;
    void BuildStarted() override;
    void PageAdded(int pageIndex) override;
    void BuildStopped() override;

    // The open window, or none.
    TfrxPreviewForm* Form() const;
    // Called with the window once it is set up, before it is shown.
    std::function<void(TfrxPreviewForm&)> OnShow;
    // Modal whatever the report's options say: for a binding that lives only as long as the call.
    bool AlwaysModal = false;

private:
    // Clears itself when a window shown on its own closes and frees itself.
    QPointer<TfrxPreviewForm> form_;
};

// Shows the report in a modal preview window while it builds; returns when the window closes.
// The report needs its prepared pages store installed.
void ShowPreviewModal(TfrxReport& report);
