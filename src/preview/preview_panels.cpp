// The outline tree and the thumbnail strip at the viewer's left.
#include "preview.h"

#include "preview_workspace.h"

#include "report/document/preview_pages.h"
#include "report/document/xml_item.h"
#include "report/model/preview_options.h"
#include "report/model/report.h"

#include <QAction>
#include <QSplitter>
#include <QTreeWidget>

namespace {

constexpr int kPageRole = Qt::UserRole;
constexpr int kTopRole = Qt::UserRole + 1;

void AddOutlineItems(const TfrxXMLItem& parent, QTreeWidgetItem* into, QTreeWidget& tree)
{
    for (int i = 0; i < parent.Count(); ++i) {
        const TfrxXMLItem& entry = *parent.Items(i);
        auto* node = into ? new QTreeWidgetItem(into) : new QTreeWidgetItem(&tree);
        node->setText(0, entry.GetProp(u"text"));
        node->setData(0, kPageRole, entry.GetProp(u"page").toInt());
        node->setData(0, kTopRole, entry.GetProp(u"top").toInt());
        AddOutlineItems(entry, node, tree);
    }
}

}  // namespace

bool TfrxPreview::OutlineVisible() const
{
    return !outline_->isHidden();
}

bool TfrxPreview::ThumbnailVisible() const
{
    return !thumbnail_->isHidden();
}

void TfrxPreview::SetOutlineVisible(bool value)
{
    if (value)
        thumbnail_->hide();
    outline_->setVisible(value);
    UpdateSplitter();
}

void TfrxPreview::SetThumbnailVisible(bool value)
{
    if (value)
        outline_->hide();
    thumbnail_->setVisible(value);
    UpdateSplitter();
    if (value)
        thumbnail_->SetPosition(thumbnail_->Position());
}

void TfrxPreview::UpdateSplitter()
{
    QList<int> sizes = splitter_->sizes();
    const int total = sizes.value(0) + sizes.value(1) + sizes.value(2);
    const int panel = OutlineVisible() || ThumbnailVisible() ? outlineWidth_ : 0;
    splitter_->setSizes({OutlineVisible() ? panel : 0, ThumbnailVisible() ? panel : 0, std::max(0, total - panel)});
    UpdatePages();
}

void TfrxPreview::SetRTL(bool value)
{
    workspace_->SetRTL(value);
    thumbnail_->SetRTL(value);
    workspace_->viewport()->update();
    thumbnail_->viewport()->update();
}

void TfrxPreview::CreateOutlineMenu()
{
    outline_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* collapse = new QAction(QStringLiteral("Collapse all"), outline_);
    connect(collapse, &QAction::triggered, this, [this] {
        outline_->collapseAll();
        workspace_->setFocus();
    });
    auto* expand = new QAction(QStringLiteral("Expand all"), outline_);
    connect(expand, &QAction::triggered, this, [this] {
        outline_->expandAll();
        if (outline_->topLevelItemCount() > 0)
            outline_->scrollToItem(outline_->topLevelItem(0));
        workspace_->setFocus();
    });
    outline_->addActions({collapse, expand});
    connect(outline_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        const int page = node->data(0, kPageRole).toInt() + 1;
        SetPosition(page, node->data(0, kTopRole).toInt());
        ChangePage(page, false, true);
    });
}

void TfrxPreview::RebuildOutline()
{
    outline_->clear();
    const TfrxXMLItem* section = pages_ ? pages_->FindSection(QStringLiteral("outline")) : nullptr;
    if (!section)
        return;
    AddOutlineItems(*section, nullptr, *outline_);
    if (report_ && report_->PreviewOptions()->OutlineExpand())
        outline_->expandAll();
    if (outline_->topLevelItemCount() > 0)
        outline_->scrollToItem(outline_->topLevelItem(0));
}
