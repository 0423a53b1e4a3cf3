#include "visual_styles.h"

VisualStyles& VisualStyles::Instance()
{
    static VisualStyles instance;
    return instance;
}

VisualStyles::VisualStyles() : active_(QLatin1String(kSystemStyleName)), notifier_(new StyleChangeNotifier)
{
    styles_.push_back({QLatin1String(kSystemStyleName), {}});
    SetSystemColorResolver([this](int index) { return StyleColor(index); });
}

void VisualStyles::Register(const VisualStyle& style)
{
    if (!Find(style.name))
        styles_.push_back(style);
}

QStringList VisualStyles::StyleNames() const
{
    QStringList names;
    for (const VisualStyle& s : styles_)
        names << s.name;
    return names;
}

const VisualStyle* VisualStyles::Find(const QString& name) const
{
    for (const VisualStyle& s : styles_)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

bool VisualStyles::Exists(const QString& name) const { return Find(name) != nullptr; }

bool VisualStyles::IsSystemStyle() const
{
    return active_.compare(QLatin1String(kSystemStyleName), Qt::CaseInsensitive) == 0;
}

bool VisualStyles::TrySetStyle(const QString& name)
{
    const VisualStyle* style = Find(name);
    if (!style)
        return false;
    if (style->name == active_)
        return true;
    active_ = style->name;
    emit notifier_->styleChanged();
    return true;
}

TColor VisualStyles::StyleColor(int systemIndex) const
{
    const VisualStyle* style = Find(active_);
    if (style) {
        const auto it = style->systemColors.find(systemIndex);
        if (it != style->systemColors.end())
            return it->second;
    }
    return ClassicSystemColor(systemIndex);
}
