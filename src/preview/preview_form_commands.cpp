#include "preview_form.h"

#include "number_reader.h"
#include "preview.h"
#include "resources.h"

#include "report/model/report.h"

#include "platform/error_box.h"
#include "platform/rounding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QWidget>
#include <tuple>

namespace {

constexpr int kPageWidthItem = 6;
constexpr int kWholePageItem = 7;
constexpr double kZoomStep = 0.25;

}  // namespace

// Keys run the command of a button only while that button is enabled.
void TfrxPreviewForm::CreateShortcuts()
{
    const std::tuple<QKeySequence, const char*, void (TfrxPreviewForm::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_P), "PrintB", &TfrxPreviewForm::Print},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "OpenB", &TfrxPreviewForm::Open},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "SaveB", &TfrxPreviewForm::Save},
        {QKeySequence(Qt::CTRL | Qt::Key_F), "FindB", &TfrxPreviewForm::Find},
        {QKeySequence(Qt::Key_F3), "FindB", &TfrxPreviewForm::FindNext},
        {QKeySequence(Qt::Key_F11), "FullScreenBtn", &TfrxPreviewForm::ToggleFullScreen},
    };
    for (const auto& [key, button, command] : keys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, button, command] {
            if (Control(QLatin1String(button))->isEnabled())
                Guarded([&] { (this->*command)(); });
        });
    }
}

void TfrxPreviewForm::UpdateControls()
{
    const bool building = Building();
    const bool hasPages = viewer_->PageCount() >= 1;
    auto enable = [this](const char* name, bool enabled) {
        QAction* button = Control(QLatin1String(name));
        button->setEnabled(enabled);
        if (QAction* twin = Control(QLatin1String(name) + QStringLiteral("Item")))
            twin->setEnabled(enabled);
    };
    for (const char* name : {"PrintB", "OpenB", "SaveB", "PdfB", "EmailB", "FindB", "PageSettingsB"})
        enable(name, !building && hasPages);
    // Open works on an empty preview too.
    enable("OpenB", !building);
    enable("DesignerB", !building && report_ && report_->PreviewOptions()->AllowEdit());
}

void TfrxPreviewForm::ZoomIn()
{
    viewer_->SetZoom(viewer_->Zoom() + kZoomStep);
    RewriteZoomText();
}

void TfrxPreviewForm::ZoomOut()
{
    viewer_->SetZoom(viewer_->Zoom() - kZoomStep);
    RewriteZoomText();
}

void TfrxPreviewForm::ZoomChoice(int index)
{
    viewer_->setFocus();
    const int pageNo = viewer_->PageNo();
    if (index == kPageWidthItem) {
        viewer_->SetZoomMode(zmPageWidth);
    } else if (index == kWholePageItem) {
        viewer_->SetZoomMode(zmWholePage);
    } else {
        QString text = zoomCB_->currentText();
        const auto percent = text.indexOf(u'%');
        if (percent >= 0)
            text[percent] = u' ';
        text.remove(u' ');
        if (!text.isEmpty())
            Guarded([&] { viewer_->SetZoom(ReadNumber(text) / 100); });
    }
    // The combo writes its own item text when the choice ends; ours comes after it.
    QTimer::singleShot(0, this, &TfrxPreviewForm::RewriteZoomText);
    if (pageNo >= 1)
        viewer_->SetPageNo(pageNo);
}

void TfrxPreviewForm::RewriteZoomText()
{
    zoomCB_->setEditText(QString::number(RoundHalfEven(viewer_->Zoom() * 100)) + u'%');
}

void TfrxPreviewForm::GoToTypedPage()
{
    bool ok = false;
    const int typed = pageE_->text().toInt(&ok);
    viewer_->SetPageNo(ok ? typed : viewer_->PageNo());
    viewer_->setFocus();
}

void TfrxPreviewForm::ToggleFullScreen()
{
    fullScreen_ = !fullScreen_;
    toolBar_->setVisible(!fullScreen_);
    StatusBar()->setVisible(!fullScreen_);
    if (fullScreen_) {
        stateBeforeFullScreen_ = windowState();
        setWindowState(Qt::WindowFullScreen);
    } else {
        setWindowState(stateBeforeFullScreen_);
    }
}

void TfrxPreviewForm::Find() { viewer_->Find(); }

void TfrxPreviewForm::FindNext() { viewer_->FindNext(); }

void TfrxPreviewForm::Copy() { viewer_->InternalCopy(); }

void TfrxPreviewForm::Outline() { viewer_->SetOutlineVisible(Control(QStringLiteral("OutlineB"))->isChecked()); }

void TfrxPreviewForm::Thumbnails() { viewer_->SetThumbnailVisible(Control(QStringLiteral("ThumbB"))->isChecked()); }

void TfrxPreviewForm::First() { viewer_->First(); }

void TfrxPreviewForm::Prior() { viewer_->Prior(); }

void TfrxPreviewForm::Next() { viewer_->Next(); }

void TfrxPreviewForm::Last() { viewer_->Last(); }

// No page editor exists: the page is handed over and comes back unchanged.
void TfrxPreviewForm::EditPage() {}

// Printing, page settings and prepared report files are the viewer's.
void TfrxPreviewForm::Print()
{
    viewer_->Print();
    setEnabled(true);
}

void TfrxPreviewForm::PageSettings() { viewer_->PageSetupDlg(); }

void TfrxPreviewForm::Open()
{
    viewer_->LoadFromFile();
    // Opening into an empty preview gives the commands pages to work on.
    UpdateControls();
    const QString name = report_ ? report_->ReportOptions()->Name() : QString();
    setWindowTitle(name.isEmpty() ? frxResources().Get(QStringLiteral("clPreview")) : name);
}

void TfrxPreviewForm::Save() { viewer_->SaveToFile(); }
