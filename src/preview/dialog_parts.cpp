#include "dialog_parts.h"

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>

namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 11;

}  // namespace

void SetUpFixedDialog(QDialog& dialog, const QString& caption, int width, int height)
{
    dialog.setWindowTitle(caption);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    dialog.setFont(font);
    dialog.setFixedSize(width, height);
}

QGroupBox* AddGroup(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* group = new QGroupBox(caption, parent);
    group->setGeometry(geometry);
    return group;
}

void AddOkCancel(QDialog& dialog, const QPoint& okTopLeft)
{
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(okTopLeft.x(), okTopLeft.y(), kButtonWidth, kButtonHeight);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setGeometry(okTopLeft.x() + kButtonWidth + kButtonGap, okTopLeft.y(), kButtonWidth, kButtonHeight);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}
