#include "print_windows.h"

#include "print_dialog.h"
#include "progress_window.h"

#include "report/model/report.h"

#include <QPushButton>

TfrxPrintWindows::TfrxPrintWindows(int currentPage) : saved_(frxPrintHooks())
{
    TfrxPrintHooks& hooks = frxPrintHooks();
    hooks.ShowPrintDialog = [currentPage](TfrxReport& report, TfrxDuplexMode& duplex) {
        return ExecutePrintDialog(report, currentPage, duplex);
    };
    hooks.ProgressStart = [this](TfrxReport& report) {
        progress_ = std::make_unique<TfrxProgress>();
        QObject::connect(progress_->CancelB(), &QPushButton::clicked, progress_.get(), [&report] { report.SetTerminated(true); });
        progress_->Execute(0, QString(), false, true);
    };
    hooks.ProgressMessage = [this](const QString& text) {
        if (progress_)
            progress_->Message(text);
    };
    hooks.ProgressStop = [this] { progress_.reset(); };
}

TfrxPrintWindows::~TfrxPrintWindows() { frxPrintHooks() = saved_; }
