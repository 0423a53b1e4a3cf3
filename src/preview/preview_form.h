#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPointer>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QWidget;
class TStatusBar;
class TfrxPreview;
class TfrxReport;

// The window a built report is looked at in: the page viewer with a toolbar, a status bar and a
// context menu. The report's pages may still be arriving while it is open.
class TfrxPreviewForm : public QDialog {
    Q_OBJECT

public:
    explicit TfrxPreviewForm(QWidget* parent = nullptr);
    ~TfrxPreviewForm() override;

    // Binds the viewer to the report's prepared pages and sets the controls up from the report's
    // preview options. Done once, before showing.
    void Init(TfrxReport& report);
    TfrxPreview& Viewer() const { return *viewer_; }
    TfrxReport* Report() const { return report_; }

    // A toolbar control or context-menu item by its name ("PrintB", "ZoomCB", "CopyCmd1", ...).
    QAction* Control(const QString& name) const { return controls_.value(name); }
    QToolBar* ToolBar() const { return toolBar_; }
    QComboBox* ZoomCB() const { return zoomCB_; }
    QLineEdit* PageE() const { return pageE_; }
    QLabel* OfNL() const { return ofNL_; }
    QWidget* PageBox() const { return pageBox_; }
    QPushButton* CancelB() const { return cancelB_; }
    QMenu* RightMenu() const { return rightMenu_; }
    QMenu* HiddenMenu() const { return hiddenMenu_; }
    QWidget* StatusBar() const;
    QString StatusText(int panel) const;
    int StatusWidth(int panel) const;

    // Commands.
    void ZoomIn();
    void ZoomOut();
    // The combo's choice: an item index, or -1 for the typed text.
    void ZoomChoice(int index);
    void GoToTypedPage();
    void ToggleFullScreen();
    bool FullScreen() const { return fullScreen_; }
    // Stops a running build, or closes the window.
    void CancelOrClose();
    // Closes whatever is going on (the build failed before making pages).
    void ForceClose();
    // A message from the report for status bar panel 1, or for panel 2 when it is a hint.
    void SetProgressMessage(const QString& text, bool hint = false);

    // Enables and shows the commands for the build state and the page count.
    void UpdateControls();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolBar();
    QAction* AddButton(const QString& name, int image, int caption, int hint, void (TfrxPreviewForm::*command)());
    QAction* AddSeparator(const QString& name);
    QAction* AddWidget(const QString& name, QWidget* widget);
    void CreateZoomBox();
    void CreatePageBox();
    void CreateCancelButton();
    void CreateStatusBar();
    void CreateShortcuts();
    void WireViewer();
    void ShowToolbarControls();
    void BuildSaveMenu();
    void BuildRightMenu();
    void CreateHiddenMenu();
    void AppendToolbarItems();
    void PageChanged(int pageNo);
    void RewriteZoomText();
    void BuildStarted();
    void FirstPage();
    void PageAdded(int pageIndex);
    void BuildStopped();
    void RestoreWithProgram();
    bool Building() const;

    void Print();
    void Open();
    void Save();
    void Find();
    void FindNext();
    void Outline();
    void Thumbnails();
    void PageSettings();
    void EditPage();
    void First();
    void Prior();
    void Next();
    void Last();
    void Copy();

    TfrxReport* report_ = nullptr;
    TfrxPreview* viewer_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QComboBox* zoomCB_ = nullptr;
    QWidget* pageBox_ = nullptr;
    QLineEdit* pageE_ = nullptr;
    QLabel* ofNL_ = nullptr;
    QPushButton* cancelB_ = nullptr;
    QMenu* exportPopup_ = nullptr;
    QMenu* rightMenu_ = nullptr;
    QMenu* hiddenMenu_ = nullptr;
    TStatusBar* statusBar_ = nullptr;
    QHash<QString, QAction*> controls_;
    bool fullScreen_ = false;
    Qt::WindowStates stateBeforeFullScreen_;
    // The windows that went to the task bar with this one.
    QList<QPointer<QWidget>> minimisedWithThis_;
    bool closing_ = false;
};
