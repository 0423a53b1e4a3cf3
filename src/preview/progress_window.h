#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The small borderless window shown while a job runs: a message, an optional bar and Cancel.
// Dragging anywhere moves it; the window that was active stays disabled while it is shown.
class TfrxProgress : public QWidget {
    Q_OBJECT

public:
    explicit TfrxProgress(QWidget* parent = nullptr);
    ~TfrxProgress() override;

    // Shows the window centred on the screen.
    void Execute(int maxValue, const QString& message, bool showBar, bool showCancel);
    void Message(const QString& text);
    void SetPosition(int value);
    // Set by Cancel, which also closes the window.
    bool Terminated() const { return terminated_; }

    QLabel* Label() const { return label_; }
    QProgressBar* Bar() const { return bar_; }
    QPushButton* CancelB() const { return cancelB_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Cancel();
    void ReleaseActiveWindow();

    QLabel* label_;
    QProgressBar* bar_;
    QPushButton* cancelB_;
    QPointer<QWidget> disabledWindow_;
    QPoint dragStart_;
    bool terminated_ = false;
};
