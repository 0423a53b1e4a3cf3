#include "history_windows.h"

#include "diary/base/japanese_texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

const HistoryTexts& HistoryTextsOfLocale()
{
    static const HistoryTexts english{
        QStringLiteral("Earlier versions of this day…"), QStringLiteral("Deleted days…"),
        QStringLiteral("Earlier versions of %1"), QStringLiteral("Deleted days"),
        QStringLiteral("Put into the memo"), QStringLiteral("Restore"), QStringLiteral("Close"),
        QStringLiteral("replaced by Post"), QStringLiteral("deleted"), QStringLiteral("replaced by an import"),
        QStringLiteral("in the backup of %1"), QStringLiteral("Nothing earlier is kept for this day."),
        QStringLiteral("No day was deleted in the last 60 days."), QStringLiteral("%1 — deleted %2 — %3")};
    static const HistoryTexts japanese{
        QStringLiteral("この日の以前の版…"), QStringLiteral("削除した日…"),
        QStringLiteral("%1 の以前の版"), QStringLiteral("削除した日"),
        QStringLiteral("メモに入れる"), QStringLiteral("復元"), QStringLiteral("閉じる"),
        QStringLiteral("更新で置き換え"), QStringLiteral("削除"), QStringLiteral("インポートで置き換え"),
        QStringLiteral("%1 のバックアップ"), QStringLiteral("この日の以前の版はありません。"),
        QStringLiteral("過去60日間に削除した日はありません。"), QStringLiteral("%1 — %2 に削除 — %3")};
    return UseJapaneseTexts() ? japanese : english;
}

namespace {

QPushButton* AddButton(QDialogButtonBox& box, const QString& caption, QDialogButtonBox::ButtonRole role, const char* name)
{
    QPushButton* button = box.addButton(caption, role);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

EarlierVersionsWindow::EarlierVersionsWindow(QWidget* owner, const QString& day, const QList<EarlierVersion>& versions)
    : QDialog(owner), versions_(versions)
{
    const HistoryTexts& texts = HistoryTextsOfLocale();
    setObjectName(QStringLiteral("EarlierVersionsWindow"));
    setWindowTitle(texts.earlierCaption.arg(day));
    VersionList = new QListWidget(this);
    VersionList->setObjectName(QStringLiteral("VersionList"));
    VersionList->setAccessibleName(texts.earlierCaption.arg(day));
    for (const EarlierVersion& version : versions_)
        VersionList->addItem(version.label);
    VersionText = new QPlainTextEdit(this);
    VersionText->setObjectName(QStringLiteral("VersionText"));
    VersionText->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(this);
    PutButton = AddButton(*buttons, texts.putIntoMemo, QDialogButtonBox::AcceptRole, "PutButton");
    AddButton(*buttons, texts.close, QDialogButtonBox::RejectRole, "CloseButton");
    auto* empty = new QLabel(texts.noEarlier, this);
    empty->setVisible(versions_.isEmpty());
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(VersionList);
    split->addWidget(VersionText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(empty);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);
    connect(VersionList, &QListWidget::currentRowChanged, this, [this] { ShowPicked(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(PutButton, &QPushButton::clicked, this, [this] {
        const int row = VersionList->currentRow();
        if (row >= 0 && OnPutIntoMemo)
            OnPutIntoMemo(versions_[row].text);
        accept();
    });
    if (!versions_.isEmpty())
        VersionList->setCurrentRow(0);
    ShowPicked();
    resize(480, 360);
}

void EarlierVersionsWindow::ShowPicked()
{
    const int row = VersionList->currentRow();
    VersionText->setPlainText(row >= 0 ? versions_[row].text : QString());
    PutButton->setEnabled(row >= 0);
}

DeletedDaysWindow::DeletedDaysWindow(QWidget* owner) : QDialog(owner)
{
    const HistoryTexts& texts = HistoryTextsOfLocale();
    setObjectName(QStringLiteral("DeletedDaysWindow"));
    setWindowTitle(texts.deletedCaption);
    DayList = new QListWidget(this);
    DayList->setObjectName(QStringLiteral("DayList"));
    DayList->setAccessibleName(texts.deletedCaption);
    DayList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* buttons = new QDialogButtonBox(this);
    RestoreButton = AddButton(*buttons, texts.restore, QDialogButtonBox::ActionRole, "RestoreButton");
    AddButton(*buttons, texts.close, QDialogButtonBox::RejectRole, "CloseButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DayList, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(DayList, &QListWidget::itemSelectionChanged, this,
            [this] { RestoreButton->setEnabled(!DayList->selectedItems().isEmpty()); });
    connect(RestoreButton, &QPushButton::clicked, this, [this] {
        QList<TDateTime> picked;
        for (int row = 0; row < DayList->count(); ++row)
            if (DayList->item(row)->isSelected() && row < days_.size())
                picked << days_[row].day;
        if (!picked.isEmpty() && OnRestore)
            OnRestore(picked);
    });
    resize(480, 320);
}

void DeletedDaysWindow::SetDays(const QList<DeletedDay>& days)
{
    days_ = days;
    DayList->clear();
    for (const DeletedDay& day : days_)
        DayList->addItem(day.label);
    if (days_.isEmpty())
        DayList->addItem(HistoryTextsOfLocale().noDeleted);
    DayList->setEnabled(!days_.isEmpty());
    RestoreButton->setEnabled(false);
}
