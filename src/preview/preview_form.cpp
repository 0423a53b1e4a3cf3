#include "preview_form.h"

#include "preview.h"
#include "resources.h"
#include "status_bar.h"

#include "report/document/preview_pages_sink.h"
#include "report/engine/report_engine.h"
#include "report/model/report.h"

#include "platform/rounding.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <utility>

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
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            RestoreWithProgram();
    });
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
    statusBar_ = new TStatusBar({kFirstPanelWidth, kOtherPanelWidth, kOtherPanelWidth}, this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->SetText(0, QStringLiteral("Page 1 of 1000"));
    if (screen() && screen()->logicalDotsPerInch() > 96)
        statusBar_->setFixedHeight(24);
}

QWidget* TfrxPreviewForm::StatusBar() const { return statusBar_; }

QString TfrxPreviewForm::StatusText(int panel) const { return statusBar_->Text(panel); }

int TfrxPreviewForm::StatusWidth(int panel) const { return statusBar_->PanelWidth(panel); }

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
    viewer_->OnPageAdded = [this](TfrxPreview*, int pageIndex) { PageAdded(pageIndex); };
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
        statusBar_->SetText(0, frxResources().Get(QStringLiteral("clFirstPass")) + u' ' + QString::number(count));
    } else {
        // Without pages there is no page to number: "Page 0 of 0" would name one.
        const QString pageOf = frxResources().Get(QStringLiteral("clPageOf"));
        statusBar_->SetText(0, count == 0 ? QString() : FormatNumbers(pageOf, {pageNo, count}));
        ofNL_->setText(FormatNumbers(frxResources().Get(QStringLiteral("clOf")), {count}));
        ofNL_->adjustSize();
        pageBox_->setFixedWidth(ofNL_->geometry().right() + 1 + 4);
    }
    pageE_->setText(count == 0 ? QString() : QString::number(pageNo));
}

void TfrxPreviewForm::SetProgressMessage(const QString& text, bool hint)
{
    statusBar_->SetText(hint ? 2 : 1, text);
}

void TfrxPreviewForm::BuildStarted() { UpdateControls(); }

void TfrxPreviewForm::FirstPage() { cancelB_->setText(frxResources().Get(QStringLiteral("clCancel"))); }

void TfrxPreviewForm::PageAdded(int pageIndex)
{
    const bool firstPass = report_ && !report_->Engine().FinalPass();
    const QString format = frxResources().Get(firstPass ? QStringLiteral("clFirstPassPage") : QStringLiteral("clPreparingPage"));
    SetProgressMessage(FormatNumbers(format, {pageIndex + 1}));
}

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
    // The panels follow the window's width; they never push it.
    const int rest = RoundHalfEven((width() - statusBar_->PanelWidth(0)) / 2.0);
    statusBar_->SetPanelWidth(1, rest);
    statusBar_->SetPanelWidth(2, rest);
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
        if (window != this && window->isVisible() && !(window->windowState() & Qt::WindowMinimized)) {
            minimisedWithThis_ << window;
            window->showMinimized();
        }
}

// The program comes back from the task bar as a whole, with this window the active one.
void TfrxPreviewForm::RestoreWithProgram()
{
    const bool minimised = windowState() & Qt::WindowMinimized;
    if (!minimised && minimisedWithThis_.isEmpty())
        return;
    for (const QPointer<QWidget>& window : std::exchange(minimisedWithThis_, {}))
        if (window && (window->windowState() & Qt::WindowMinimized))
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (minimised)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}
