#pragma once

#include <QString>

class TfrxPreviewPages;
class TfrxXMLItem;

// The prepared report's outline: nested "item" elements with the entry's text, page and top.
class TfrxOutline {
public:
    explicit TfrxOutline(TfrxPreviewPages& pages) : pages_(pages) {}

    // An entry under the current one, on the store's current page at `top` pixels; it becomes
    // the current entry.
    void AddItem(const QString& text, double top);
    // Back to the current entry's parent, or to the root.
    void LevelUp();
    void LevelRoot() { current_ = nullptr; }

private:
    TfrxPreviewPages& pages_;
    TfrxXMLItem* current_ = nullptr;  // none: the root
};

// Appends an anchor entry ("item" with text, page and top) to the anchors section.
void AddAnchorEntry(TfrxXMLItem& anchors, const QString& text, int page, double top);
