#include "preview_form.h"

#include "preview.h"
#include "resources.h"

#include "report/document/preview_pages_sink.h"
#include "report/report.h"
#include "report/report_engine.h"

#include "platform/rounding.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

const QSize kFallbackClientSize(803, 583);
constexpr int kFirstPanelWidth = 200;
constexpr int kOtherPanelWidth = 50;

// Puts the numbers in place of the "%d" marks of a table text, in order.
QString FormatNumbers(QString format, std::initializer_list<int> numbers)
{
    for (int number : numbers) {
        const auto mark = format.indexOf(QStringLiteral("%d"));
        if (mark < 0)
            break;
        format.replace(mark, 2, QString::number(number));
    }
    return format;
}

}  // namespace

TfrxPreviewForm::TfrxPreviewForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(frxResources().Get(QStringLiteral("clPreview")));
    setGeometry(192, 125, 819, 622);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateToolBar();
    layout->addWidget(toolBar_);
    viewer_ = new TfrxPreview(this);
    layout->addWidget(viewer_, 1);
    CreateStatusBar();
    layout->addWidget(statusBar_);
    CreateShortcuts();
    WireViewer();
    toolBar_->installEventFilter(this);
    statusBar_->installEventFilter(this);
}

TfrxPreviewForm::~TfrxPreviewForm()
{
    // Child widgets still emit signals (focus, editing) while the base class destroys them; by then
    // this object is no longer a preview form, so nothing of theirs may reach it.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void TfrxPreviewForm::CreateStatusBar()
{
    statusBar_ = new QWidget(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    auto* layout = new QHBoxLayout(statusBar_);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    const int widths[3] = {kFirstPanelWidth, kOtherPanelWidth, kOtherPanelWidth};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(statusBar_);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setFixedWidth(widths[i]);
        layout->addWidget(panels_[i]);
    }
    layout->addStretch(1);
    panels_[0]->setText(QStringLiteral("Page 1 of 1000"));
    if (screen() && screen()->logicalDotsPerInch() > 96)
        statusBar_->setFixedHeight(24);
}

QString TfrxPreviewForm::StatusText(int panel) const { return panels_[panel]->text(); }

int TfrxPreviewForm::StatusWidth(int panel) const { return panels_[panel]->width(); }

void TfrxPreviewForm::WireViewer()
{
    viewer_->OnPageChanged = [this](TfrxPreview*, int pageNo) { PageChanged(pageNo); };
    viewer_->OnDblClick = [this](TfrxPreview*) {
        if (fullScreen_)
            ToggleFullScreen();
    };
    viewer_->OnZoomChanged = [this](TfrxPreview*) { RewriteZoomText(); };
    viewer_->OnBuildStarted = [this](TfrxPreview*) { BuildStarted(); };
    viewer_->OnFirstPage = [this](TfrxPreview*) { FirstPage(); };
    viewer_->OnBuildStopped = [this](TfrxPreview*) { BuildStopped(); };
}

void TfrxPreviewForm::Init(TfrxReport& report)
{
    report_ = &report;
    closing_ = false;
    viewer_->Init(&report, ReportPreviewPages(report));
    if (report.PreviewOptions()->Maximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    viewer_->SetRTL(report.PreviewOptions()->RTLPreview());
    ShowToolbarControls();
    BuildSaveMenu();
    if (!report.ReportOptions()->Name().isEmpty())
        setWindowTitle(report.ReportOptions()->Name());
    BuildRightMenu();
    UpdateControls();
    RewriteZoomText();
    viewer_->setFocus();
}

bool TfrxPreviewForm::Building() const { return viewer_->Running(); }

void TfrxPreviewForm::PageChanged(int pageNo)
{
    const int count = viewer_->PageCount();
    if (Building() && report_ && !report_->Engine().FinalPass()) {
        panels_[0]->setText(frxResources().Get(QStringLiteral("clFirstPass")) + u' ' + QString::number(count));
    } else {
        panels_[0]->setText(FormatNumbers(frxResources().Get(QStringLiteral("clPageOf")), {pageNo, count}));
        ofNL_->setText(FormatNumbers(frxResources().Get(QStringLiteral("clOf")), {count}));
        ofNL_->adjustSize();
        pageBox_->setFixedWidth(ofNL_->geometry().right() + 1 + 4);
    }
    pageE_->setText(QString::number(pageNo));
}

void TfrxPreviewForm::SetProgressMessage(const QString& text, bool hint)
{
    QLabel* panel = panels_[hint ? 2 : 1];
    if (panel->text() != text)
        panel->setText(text);
}

void TfrxPreviewForm::BuildStarted() { UpdateControls(); }

void TfrxPreviewForm::FirstPage() { cancelB_->setText(frxResources().Get(QStringLiteral("clCancel"))); }

void TfrxPreviewForm::BuildStopped()
{
    cancelB_->setText(frxResources().Get(QStringLiteral("clClose")));
    SetProgressMessage(QString());
    UpdateControls();
}

void TfrxPreviewForm::CancelOrClose()
{
    if (Building())
        viewer_->Cancel();
    else
        done(QDialog::Rejected);
}

void TfrxPreviewForm::ForceClose()
{
    if (Building())
        viewer_->Cancel();
    QDialog::done(QDialog::Rejected);
}

// Esc: the same as the Close/Cancel button.
void TfrxPreviewForm::reject() { CancelOrClose(); }

void TfrxPreviewForm::closeEvent(QCloseEvent* event)
{
    // A half-built report keeps its window; Close and Esc cancel the build instead.
    if (Building()) {
        event->ignore();
        return;
    }
    closing_ = true;
    QDialog::closeEvent(event);
}

void TfrxPreviewForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (width() == 0 || height() == 0)
        resize(kFallbackClientSize);
    const int rest = RoundHalfEven((width() - panels_[0]->width()) / 2.0);
    panels_[1]->setFixedWidth(std::max(0, rest));
    panels_[2]->setFixedWidth(std::max(0, rest));
}

void TfrxPreviewForm::contextMenuEvent(QContextMenuEvent* event)
{
    Control(QStringLiteral("CopyCmd1"))->setEnabled(!viewer_->Selection().empty());
    rightMenu_->popup(event->globalPos());
}

// The wheel anywhere over the window scrolls the pages.
void TfrxPreviewForm::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const bool horizontal = delta.y() == 0 && delta.x() != 0;
    viewer_->MouseWheelScroll(horizontal ? delta.x() : delta.y(), event->modifiers(), horizontal);
    event->accept();
}

// A modal preview cannot be minimised on its own: the whole program goes to the task bar.
void TfrxPreviewForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMinimized) || !isModal())
        return;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible() && !(window->windowState() & Qt::WindowMinimized))
            window->showMinimized();
}
