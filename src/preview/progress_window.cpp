#include "progress_window.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize kSize(271, 101);
constexpr int kLabelTopWithBar = 15;
constexpr int kLabelTopAlone = 35;

}  // namespace

TfrxProgress::TfrxProgress(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setFixedSize(kSize);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(rect());
    label_ = new QLabel(this);
    label_->setAlignment(Qt::AlignCenter);
    label_->setGeometry(8, kLabelTopWithBar, kSize.width() - 16, 16);
    bar_ = new QProgressBar(this);
    bar_->setGeometry(16, 36, kSize.width() - 32, 16);
    bar_->setTextVisible(false);
    cancelB_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelB_->setGeometry(100, 64, 75, 25);
    connect(cancelB_, &QPushButton::clicked, this, &TfrxProgress::Cancel);
}

TfrxProgress::~TfrxProgress() { ReleaseActiveWindow(); }

void TfrxProgress::Execute(int maxValue, const QString& message, bool showBar, bool showCancel)
{
    terminated_ = false;
    bar_->setRange(0, maxValue);
    bar_->setValue(0);
    bar_->setVisible(showBar);
    label_->move(label_->x(), showBar ? kLabelTopWithBar : kLabelTopAlone);
    cancelB_->setVisible(showCancel);
    Message(message);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    disabledWindow_ = QApplication::activeWindow();
    if (disabledWindow_ == this)
        disabledWindow_ = nullptr;
    if (disabledWindow_)
        disabledWindow_->setEnabled(false);
    // The progress window itself stays usable while its owner is disabled.
    setEnabled(true);
    show();
    raise();
}

void TfrxProgress::Message(const QString& text)
{
    label_->setText(text);
    label_->repaint();
}

void TfrxProgress::SetPosition(int value) { bar_->setValue(value); }

void TfrxProgress::Cancel()
{
    terminated_ = true;
    ReleaseActiveWindow();
    close();
}

void TfrxProgress::ReleaseActiveWindow()
{
    if (disabledWindow_)
        disabledWindow_->setEnabled(true);
    disabledWindow_ = nullptr;
}

void TfrxProgress::mousePressEvent(QMouseEvent* event) { dragStart_ = event->globalPosition().toPoint() - pos(); }

void TfrxProgress::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragStart_);
}
