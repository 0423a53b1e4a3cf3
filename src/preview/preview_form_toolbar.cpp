#include "preview_form.h"

#include "preview.h"
#include "resources.h"

#include "report/model/report.h"

#include "platform/error_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyleOptionComplex>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace {

constexpr int kSeparatorWidth = 8;

QString Text(const QString& name) { return frxResources().Get(name); }

// The zoom box is narrow; with the usual drop-down arrow its text would not show whole ("100%"
// scrolled to "00%"). A slimmer arrow leaves the text the room.
class ZoomBoxStyle : public QProxyStyle {
public:
    ZoomBoxStyle() : QProxyStyle(QApplication::style()->name()) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, part, widget);
        constexpr int arrowWidth = 13;
        constexpr int frame = 2;
        const QRect box = option->rect;
        const QRect rect = part == SC_ComboBoxArrow
                               ? QRect(box.right() - arrowWidth + 1, box.top(), arrowWidth, box.height())
                               : QRect(box.left() + frame, box.top() + frame, box.width() - arrowWidth - frame,
                                       box.height() - 2 * frame);
        return visualRect(option->direction, box, rect);
    }
};

}  // namespace

QAction* TfrxPreviewForm::AddButton(const QString& name, int image, int caption, int hint,
                                    void (TfrxPreviewForm::*command)())
{
    QAction* action = toolBar_->addAction(frxResources().Image(image), frxGet(caption));
    action->setObjectName(name);
    action->setToolTip(frxGet(hint));
    action->setData(image);
    if (command)
        // A command's error (a page list that is no list, say) goes to the error box.
        connect(action, &QAction::triggered, this, [this, command] { Guarded([&] { (this->*command)(); }); });
    controls_.insert(name, action);
    return action;
}

QAction* TfrxPreviewForm::AddSeparator(const QString& name)
{
    auto* spacer = new QWidget(toolBar_);
    spacer->setFixedWidth(kSeparatorWidth);
    QAction* action = AddWidget(name, spacer);
    action->setProperty("separator", true);
    return action;
}

QAction* TfrxPreviewForm::AddWidget(const QString& name, QWidget* widget)
{
    QAction* action = toolBar_->addWidget(widget);
    action->setObjectName(name);
    controls_.insert(name, action);
    return action;
}

void TfrxPreviewForm::CreateToolBar()
{
    toolBar_ = new QToolBar(QStringLiteral("ToolBar"), this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setFloatable(false);
    toolBar_->setMovable(false);
    toolBar_->setContentsMargins(2, 2, 2, 2);
    AddButton(QStringLiteral("PrintB"), 2, 101, 102, &TfrxPreviewForm::Print);
    AddButton(QStringLiteral("OpenB"), 0, 103, 104, &TfrxPreviewForm::Open);
    QAction* save = AddButton(QStringLiteral("SaveB"), 1, 105, 106, nullptr);
    exportPopup_ = new QMenu(this);
    save->setMenu(exportPopup_);
    if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(save)))
        button->setPopupMode(QToolButton::InstantPopup);
    AddButton(QStringLiteral("PdfB"), 24, 154, 151, nullptr);
    AddButton(QStringLiteral("EmailB"), 23, 153, 152, nullptr);
    AddButton(QStringLiteral("FindB"), 4, 109, 110, &TfrxPreviewForm::Find);
    AddSeparator(QStringLiteral("Sep1"));
    AddButton(QStringLiteral("ZoomPlusB"), 15, 124, 125, &TfrxPreviewForm::ZoomIn);
    CreateZoomBox();
    AddButton(QStringLiteral("ZoomMinusB"), 16, 126, 127, &TfrxPreviewForm::ZoomOut);
    AddButton(QStringLiteral("FullScreenBtn"), 22, 149, 150, &TfrxPreviewForm::ToggleFullScreen);
    AddSeparator(QStringLiteral("Sep2"));
    auto* panels = new QActionGroup(this);
    panels->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* check : {AddButton(QStringLiteral("OutlineB"), 12, 128, 129, &TfrxPreviewForm::Outline),
                           AddButton(QStringLiteral("ThumbB"), 5, 130, 131, &TfrxPreviewForm::Thumbnails)}) {
        check->setCheckable(true);
        panels->addAction(check);
    }
    AddButton(QStringLiteral("PageSettingsB"), 7, 120, 121, &TfrxPreviewForm::PageSettings);
    AddButton(QStringLiteral("DesignerB"), 21, 132, 133, &TfrxPreviewForm::EditPage);
    AddSeparator(QStringLiteral("Sep5"));
    AddButton(QStringLiteral("FirstB"), 8, 134, 135, &TfrxPreviewForm::First);
    AddButton(QStringLiteral("PriorB"), 9, 136, 137, &TfrxPreviewForm::Prior);
    CreatePageBox();
    AddButton(QStringLiteral("NextB"), 10, 138, 139, &TfrxPreviewForm::Next);
    AddButton(QStringLiteral("LastB"), 11, 140, 141, &TfrxPreviewForm::Last);
    AddButton(QStringLiteral("HighlightEditableTB"), 25, 702, 701, nullptr)->setCheckable(true);
    auto* gap = new QWidget(toolBar_);
    gap->setFixedWidth(35);
    AddWidget(QStringLiteral("frTBPanel1"), gap);
    CreateCancelButton();
    CreateHiddenMenu();
}

void TfrxPreviewForm::CreateZoomBox()
{
    auto* panel = new QWidget(toolBar_);
    panel->setFixedWidth(56);
    zoomCB_ = new QComboBox(panel);
    zoomCB_->setObjectName(QStringLiteral("ZoomCB"));
    zoomCB_->setEditable(true);
    zoomCB_->setInsertPolicy(QComboBox::NoInsert);
    zoomCB_->setGeometry(3, 0, 49, 21);
    // Owned by the window, which outlives the box.
    auto* style = new ZoomBoxStyle;
    style->setParent(this);
    zoomCB_->setStyle(style);
    zoomCB_->view()->setMinimumWidth(100);
    zoomCB_->setToolTip(frxGet(119));
    zoomCB_->addItems({QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"),
                       QStringLiteral("150%"), QStringLiteral("200%"), Text(QStringLiteral("zmPageWidth")),
                       Text(QStringLiteral("zmWholePage"))});
    zoomCB_->setEditText(QStringLiteral("100%"));
    connect(zoomCB_, &QComboBox::activated, this, [this](int index) { ZoomChoice(index); });
    connect(zoomCB_->lineEdit(), &QLineEdit::returnPressed, this, [this] { ZoomChoice(-1); });
    AddWidget(QStringLiteral("Sep3"), panel);
}

void TfrxPreviewForm::CreatePageBox()
{
    pageBox_ = new QWidget(toolBar_);
    pageBox_->setFixedWidth(73);
    pageE_ = new QLineEdit(QStringLiteral("1"), pageBox_);
    pageE_->setObjectName(QStringLiteral("PageE"));
    pageE_->setFrame(false);
    pageE_->setGeometry(4, 3, 37, 16);
    pageE_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), pageE_));
    pageE_->setToolTip(frxGet(142));
    connect(pageE_, &QLineEdit::returnPressed, this, &TfrxPreviewForm::GoToTypedPage);
    ofNL_ = new QLabel(QStringLiteral("of N"), pageBox_);
    ofNL_->setObjectName(QStringLiteral("OfNL"));
    ofNL_->move(48, 4);
    AddWidget(QStringLiteral("Sep4"), pageBox_);
}

void TfrxPreviewForm::CreateCancelButton()
{
    cancelB_ = new QPushButton(Text(QStringLiteral("clClose")), toolBar_);
    cancelB_->setObjectName(QStringLiteral("CancelB"));
    cancelB_->setFlat(true);
    cancelB_->setFixedSize(68, 23);
    cancelB_->setAutoDefault(false);
    connect(cancelB_, &QPushButton::clicked, this, &TfrxPreviewForm::CancelOrClose);
    AddWidget(QStringLiteral("CancelB"), cancelB_);
}

void TfrxPreviewForm::ShowToolbarControls()
{
    const TfrxPreviewOptions& options = *report_->PreviewOptions();
    const TfrxPreviewButtons buttons = options.Buttons();
    // No export filters exist, so the quick PDF and mail buttons never show.
    const bool hasPdfExport = false;
    const bool hasMailExport = false;
    auto show = [this](const char* name, bool visible) { Control(QLatin1String(name))->setVisible(visible); };
    show("PrintB", buttons & pbPrint);
    show("OpenB", buttons & pbLoad);
    show("SaveB", (buttons & pbSave) || (buttons & pbExport));
    show("PdfB", hasPdfExport && (buttons & pbExportQuick));
    show("EmailB", hasMailExport && (buttons & pbExportQuick) && !(buttons & pbNoEmail));
    show("FindB", buttons & pbFind);
    show("Sep1", buttons & pbZoom);
    show("ZoomPlusB", buttons & pbZoom);
    show("Sep3", buttons & pbZoom);
    show("ZoomMinusB", buttons & pbZoom);
    show("FullScreenBtn", (buttons & pbZoom) && !(buttons & pbNoFullScreen));
    show("OutlineB", buttons & pbOutline);
    show("ThumbB", buttons & pbOutline);
    show("PageSettingsB", buttons & pbPageSetup);
    show("DesignerB", buttons & pbEdit);
    show("Sep2", (buttons & pbPageSetup) || (buttons & pbEdit));
    for (const char* name : {"Sep5", "FirstB", "PriorB", "Sep4", "NextB", "LastB"})
        show(name, buttons & pbNavigator);
    show("HighlightEditableTB", (buttons & pbInplaceEdit) && options.AllowPreviewEdit());
    show("CancelB", !(buttons & pbNoClose));
    toolBar_->setToolButtonStyle(options.ShowCaptions() ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    Control(QStringLiteral("OutlineB"))->setChecked(viewer_->OutlineVisible());
    Control(QStringLiteral("ThumbB"))->setChecked(viewer_->ThumbnailVisible());
}

void TfrxPreviewForm::BuildSaveMenu()
{
    exportPopup_->clear();
    const TfrxPreviewButtons buttons = report_->PreviewOptions()->Buttons();
    if (buttons & pbSave) {
        QAction* item = exportPopup_->addAction(Text(QStringLiteral("clFP3files")) + QStringLiteral("..."));
        item->setObjectName(QStringLiteral("SaveToFileItem"));
        connect(item, &QAction::triggered, this, [this] { Guarded([this] { Save(); }); });
    }
    if (buttons & pbExport)
        exportPopup_->addSeparator();
}

void TfrxPreviewForm::BuildRightMenu()
{
    rightMenu_ = new QMenu(this);
    auto add = [this](const QString& name, int caption, int image, void (TfrxPreviewForm::*command)()) {
        QAction* item = rightMenu_->addAction(frxResources().Image(image), frxGet(caption));
        item->setObjectName(name);
        if (command)
            connect(item, &QAction::triggered, this, [this, command] { (this->*command)(); });
        controls_.insert(name, item);
        return item;
    };
    add(QStringLiteral("CopyCmd1"), 160, 26, &TfrxPreviewForm::Copy)->setShortcut(QKeySequence::Copy);
    // Pasting into objects is not offered for these reports.
    QAction* paste = add(QStringLiteral("PasteCmd1"), 161, 27, nullptr);
    paste->setShortcut(QKeySequence::Paste);
    paste->setVisible(false);
    // No report here has drill-down groups, so collapsing and expanding have nothing to act on.
    add(QStringLiteral("CollapseMI"), 601, 13, nullptr)->setVisible(false);
    add(QStringLiteral("ExpandMI"), 600, 14, nullptr)->setVisible(false);
    QAction* n1 = rightMenu_->addSeparator();
    n1->setObjectName(QStringLiteral("N1"));
    n1->setVisible(false);
    AppendToolbarItems();
}

void TfrxPreviewForm::CreateHiddenMenu()
{
    hiddenMenu_ = new QMenu(this);
    QAction* item = hiddenMenu_->addAction(Text(QStringLiteral("clShowTemplate")));
    item->setObjectName(QStringLiteral("Showtemplate1"));
    // No template editor exists: the report's pages stay as they are.
    controls_.insert(item->objectName(), item);
    toolBar_->widgetForAction(Control(QStringLiteral("DesignerB")))->installEventFilter(this);
}

// The Edit button released with the right mouse button offers the template; the wheel over the
// toolbar or the status bar scrolls the pages.
bool TfrxPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && (watched == toolBar_ || watched == StatusBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    auto* button = qobject_cast<QWidget*>(watched);
    if (button && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        hiddenMenu_->popup(button->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Every visible plain button with a hint up to the second separator gets a twin in the menu.
void TfrxPreviewForm::AppendToolbarItems()
{
    int separators = 0;
    for (QAction* action : toolBar_->actions()) {
        if (action->property("separator").toBool()) {
            if (++separators == 2)
                break;
            if (action->isVisible())
                rightMenu_->addSeparator();
            continue;
        }
        if (!action->isVisible() || action->isCheckable() || action->toolTip().isEmpty()
            || !controls_.contains(action->objectName()) || qobject_cast<QWidgetAction*>(action))
            continue;
        QAction* twin = nullptr;
        if (action->menu()) {
            QMenu* submenu = rightMenu_->addMenu(action->icon(), action->toolTip());
            submenu->addActions(action->menu()->actions());
            twin = submenu->menuAction();
        } else {
            twin = rightMenu_->addAction(action->icon(), action->toolTip());
            connect(twin, &QAction::triggered, action, &QAction::trigger);
        }
        twin->setObjectName(action->objectName() + QStringLiteral("Item"));
        controls_.insert(twin->objectName(), twin);
    }
}
