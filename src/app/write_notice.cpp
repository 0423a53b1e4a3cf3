#include "write_notice.h"

#include "diary/base/japanese_texts.h"
#include "platform/error_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QString NoticeText(WriteKind kind, const QString& day)
{
    const bool japanese = UseJapaneseTexts();
    switch (kind) {
    case WriteKind::Added:
        return japanese ? QStringLiteral("%1 の日記を追加しました。").arg(day) : QStringLiteral("The entry of %1 was added.").arg(day);
    case WriteKind::Saved:
        return japanese ? QStringLiteral("%1 の日記を保存しました。").arg(day) : QStringLiteral("The entry of %1 was saved.").arg(day);
    case WriteKind::Deleted:
        return japanese ? QStringLiteral("%1 の日記を削除しました。").arg(day) : QStringLiteral("The entry of %1 was deleted.").arg(day);
    case WriteKind::Restored:
        return japanese ? QStringLiteral("%1 の日記を復元しました。").arg(day) : QStringLiteral("The entry of %1 was restored.").arg(day);
    case WriteKind::Undone:
        return japanese ? QStringLiteral("%1 の変更を元に戻しました。").arg(day) : QStringLiteral("The change to %1 was undone.").arg(day);
    case WriteKind::Redone:
        return japanese ? QStringLiteral("%1 の変更をやり直しました。").arg(day) : QStringLiteral("The change to %1 was made again.").arg(day);
    }
    return QString();
}

WriteNotice::WriteNotice(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("WriteNotice"));
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(UseJapaneseTexts() ? QStringLiteral("お知らせ") : QStringLiteral("Notice"));
    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("WriteNoticeText"));
    Message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    UndoButton = new QPushButton(UseJapaneseTexts() ? QStringLiteral("元に戻す") : QStringLiteral("Undo"), this);
    UndoButton->setObjectName(QStringLiteral("WriteNoticeUndo"));
    UndoButton->setFocusPolicy(Qt::TabFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(Message, 1);
    layout->addWidget(UndoButton);
    connect(UndoButton, &QPushButton::clicked, this, [this] {
        if (OnUndo)
            Guarded([this] { OnUndo(); });
    });
    linger_.SetOnTimer([this] { Dismiss(); });
    hide();
}

void WriteNotice::Show(const QString& text, bool undoable)
{
    linger_.Stop();
    Message->setText(text);
    UndoButton->setVisible(undoable);
    const bool wasVisible = !isHidden();
    show();
    if (!wasVisible && OnShownOrHidden)
        OnShownOrHidden();
}

void WriteNotice::UserWentOn()
{
    if (!isHidden() && !linger_.Active())
        linger_.Start(kLingerMs);
}

void WriteNotice::Dismiss()
{
    linger_.Stop();
    if (isHidden())
        return;
    hide();
    if (OnShownOrHidden)
        OnShownOrHidden();
}

QString WriteNotice::Text() const { return isHidden() ? QString() : Message->text(); }
