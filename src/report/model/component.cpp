#include "component.h"

#include "child_alignment.h"
#include "page.h"
#include "report.h"

#include "report/base/report_errors.h"

#include <memory>

TfrxComponent::TfrxComponent(QObject* owner) : QObject(owner), font_(new TfrxFont(this))
{
    font_->OnChange = [this] { FontChanged(); };
    if (auto* parent = qobject_cast<TfrxComponent*>(owner))
        Attach(parent);
}

TfrxComponent::~TfrxComponent()
{
    FreeChildren();
    Detach();
}

QString TfrxComponent::BaseName() const
{
    QString name = ClassName();
    const qsizetype prefix = name.indexOf(QLatin1String("Tfrx"));
    if (prefix >= 0)
        name.remove(prefix, 4);
    const qsizetype view = name.indexOf(QLatin1String("View"));
    if (view >= 0)
        name.remove(view, 4);
    return name;
}

void TfrxComponent::CheckNameIsFree(const QString& name) const
{
    const TfrxReport* report = Report();
    if (!report || name.isEmpty())
        return;
    QList<TfrxComponent*> named = report->AllObjects();
    named.prepend(const_cast<TfrxReport*>(report));
    for (const TfrxComponent* other : named)
        if (other != this && other->name_.compare(name, Qt::CaseInsensitive) == 0)
            throw EDuplicateName(name);
}

void TfrxComponent::SetName(const QString& name)
{
    if (name == name_)
        return;
    CheckNameIsFree(name);
    name_ = name;
    setObjectName(name);
}

void TfrxComponent::CreateUniqueName()
{
    const TfrxReport* report = Report();
    const TfrxComponent* scope = report ? static_cast<const TfrxComponent*>(report) : this;
    for (int n = 1;; ++n) {
        const QString candidate = BaseName() + QString::number(n);
        if (!scope->FindObject(candidate) && scope->name_.compare(candidate, Qt::CaseInsensitive) != 0) {
            SetName(candidate);
            return;
        }
    }
}

void TfrxComponent::SetBounds(double left, double top, double width, double height)
{
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

double TfrxComponent::AbsLeft() const
{
    double result = left_;
    for (const TfrxComponent* p = parent_; p && !qobject_cast<const TfrxPage*>(p); p = p->parent_)
        result += p->left_;
    return result;
}

double TfrxComponent::AbsTop() const
{
    double result = top_;
    for (const TfrxComponent* p = parent_; p && !qobject_cast<const TfrxPage*>(p); p = p->parent_)
        result += p->top_;
    return result;
}

void TfrxComponent::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value && parent_)
        InheritFont(*parent_->font_);
}

void TfrxComponent::FontChanged()
{
    if (!inheritingFont_)
        parentFont_ = false;
    for (TfrxComponent* child : objects_)
        if (child->parentFont_)
            child->InheritFont(*font_);
}

void TfrxComponent::InheritFont(const TfrxFont& font)
{
    inheritingFont_ = true;
    font_->SetDesc(font.Desc());
    inheritingFont_ = false;
}

void TfrxComponent::SetParent(TfrxComponent* parent)
{
    if (parent == parent_)
        return;
    Detach();
    if (parent) {
        // The new parent frees it from now on.
        QObject::setParent(parent);
        Attach(parent);
    }
}

void TfrxComponent::Attach(TfrxComponent* parent)
{
    parent_ = parent;
    parent->objects_.append(this);
    if (parentFont_)
        InheritFont(*parent->font_);
}

void TfrxComponent::Detach()
{
    if (parent_)
        parent_->objects_.removeOne(this);
    parent_ = nullptr;
}

QList<TfrxComponent*> TfrxComponent::AllObjects() const
{
    QList<TfrxComponent*> result;
    for (TfrxComponent* child : objects_) {
        result.append(child);
        result.append(child->AllObjects());
    }
    return result;
}

TfrxComponent* TfrxComponent::FindObject(const QString& name) const
{
    for (TfrxComponent* object : AllObjects())
        if (object->name_.compare(name, Qt::CaseInsensitive) == 0)
            return object;
    return nullptr;
}

TfrxPage* TfrxComponent::Page() const
{
    for (const TfrxComponent* c = this; c; c = c->parent_)
        if (auto* page = qobject_cast<const TfrxPage*>(c))
            return const_cast<TfrxPage*>(page);
    return nullptr;
}

TfrxReport* TfrxComponent::Report() const
{
    for (const TfrxComponent* c = this; c; c = c->parent_)
        if (auto* report = qobject_cast<const TfrxReport*>(c))
            return const_cast<TfrxReport*>(report);
    return nullptr;
}

void TfrxComponent::FreeChildren()
{
    // Each child takes itself out of the list as it goes.
    while (!objects_.isEmpty())
        std::unique_ptr<TfrxComponent>(objects_.last()).reset();
}

void TfrxComponent::Clear() { FreeChildren(); }

void TfrxComponent::ApplyChildAlignment()
{
    std::vector<AlignedChild> items;
    for (const TfrxComponent* child : objects_)
        items.push_back({child->Align(), QRectF(child->left_, child->top_, child->width_, child->height_)});
    const std::vector<QRectF> bounds = AlignChildBounds(QSizeF(width_, height_), items);
    for (qsizetype i = 0; i < objects_.size(); ++i) {
        TfrxComponent* child = objects_[i];
        if (child->Align() != baNone && child->Align() != baHidden)
            child->SetBounds(bounds[i].left(), bounds[i].top(), bounds[i].width(), bounds[i].height());
    }
}

void TfrxComponent::AlignChildren()
{
    ApplyChildAlignment();
    for (TfrxComponent* child : objects_)
        child->AlignChildren();
}
