#pragma once

#include "frx_font.h"

#include "report/base/report_types.h"

#include <QList>
#include <QObject>
#include <QString>

#include <utility>

class TfrxPage;
class TfrxReport;

// Base of every report object: name, geometry, font and the place in the object tree.
//
// An object created with another report object as owner becomes that object's last child and is
// freed with it (through Qt's parent ownership, which follows the tree). Any other owner simply
// frees it; without an owner the creator does.
//
// Geometry, font and the flags below are published by the subclasses that store them; the shared
// declared defaults and stored-tests are declared here once.
class TfrxComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_CLASSINFO("default:Tag", "0")
    Q_CLASSINFO("default:ParentFont", "true")
    Q_CLASSINFO("default:Visible", "true")
    Q_CLASSINFO("default:Anchors", "[fraLeft, fraTop]")
    Q_CLASSINFO("default:Restrictions", "[]")
    Q_CLASSINFO("default:GroupIndex", "0")
    Q_CLASSINFO("stored:Left", "IsLeftStored")
    Q_CLASSINFO("stored:Top", "IsTopStored")
    Q_CLASSINFO("stored:Width", "IsWidthStored")
    Q_CLASSINFO("stored:Height", "IsHeightStored")
    Q_CLASSINFO("stored:Font", "IsFontStored")

public:
    Q_INVOKABLE explicit TfrxComponent(QObject* owner = nullptr);
    ~TfrxComponent() override;

    QString ClassName() const { return QString::fromLatin1(metaObject()->className()); }
    // The class name without its first "Tfrx" and first "View": "Memo", "Line", "MasterData".
    virtual QString BaseName() const;
    TfrxComponentStyles FrComponentStyle() const { return frComponentStyle_; }

    QString Name() const { return name_; }
    // Names are unique in a report, compared without regard to case; a taken name raises
    // EDuplicateName and the object keeps its old name.
    virtual void SetName(const QString& name);
    // Gives the object the first free name made of its base name and a number.
    void CreateUniqueName();
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    double Left() const { return left_; }
    virtual void SetLeft(double value) { left_ = value; }
    double Top() const { return top_; }
    virtual void SetTop(double value) { top_ = value; }
    double Width() const { return width_; }
    virtual void SetWidth(double value) { width_ = value; }
    double Height() const { return height_; }
    virtual void SetHeight(double value) { height_ = value; }
    void SetBounds(double left, double top, double width, double height);
    // Position relative to the page's printable area: the parents' offsets added up to the page.
    double AbsLeft() const;
    double AbsTop() const;

    TfrxFont* Font() const { return font_; }
    void SetFont(const TfrxFont& font) { font_->SetDesc(font.Desc()); }
    // True: the object shows its parent's font. Changing the font itself turns it off.
    bool ParentFont() const { return parentFont_; }
    virtual void SetParentFont(bool value);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value) { visible_ = value; }
    TfrxAnchors Anchors() const { return anchors_; }
    void SetAnchors(TfrxAnchors value) { anchors_ = value; }
    TfrxRestrictions Restrictions() const { return restrictions_; }
    void SetRestrictions(TfrxRestrictions value) { restrictions_ = value; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    // Views override this with their published Align.
    virtual TfrxAlign Align() const { return baNone; }

    // The tree.
    TfrxComponent* Parent() const { return parent_; }
    virtual void SetParent(TfrxComponent* parent);
    const QList<TfrxComponent*>& Objects() const { return objects_; }
    // Every descendant, depth first: an object, then its children in order.
    QList<TfrxComponent*> AllObjects() const;
    // A descendant by name, compared without regard to case.
    TfrxComponent* FindObject(const QString& name) const;
    TfrxPage* Page() const;
    TfrxReport* Report() const;
    // Frees every child.
    virtual void Clear();
    // Applies the children's Align rules inside this object, then lets each child align its own.
    virtual void AlignChildren();

    Q_INVOKABLE virtual bool IsLeftStored() const { return true; }
    Q_INVOKABLE virtual bool IsTopStored() const { return true; }
    Q_INVOKABLE virtual bool IsWidthStored() const { return true; }
    Q_INVOKABLE virtual bool IsHeightStored() const { return true; }
    Q_INVOKABLE bool IsFontStored() const { return !parentFont_; }

protected:
    // Applies the children's Align rules inside this object's size, without going deeper.
    void ApplyChildAlignment();
    void AddStyle(TfrxComponentStyles flags) { frComponentStyle_ |= flags; }
    // Makes the list of objects the given one without taking them from their parents; a container
    // that lists objects it does not own must empty the list again before it goes.
    void ListObjects(QList<TfrxComponent*> objects) { objects_ = std::move(objects); }
    void RemoveStyle(TfrxComponentStyles flags) { frComponentStyle_ &= ~flags; }

private:
    void Attach(TfrxComponent* parent);
    void Detach();
    void FreeChildren();
    void FontChanged();
    void InheritFont(const TfrxFont& font);
    void CheckNameIsFree(const QString& name) const;

    QString name_;
    int tag_ = 0;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    TfrxFont* font_;
    bool parentFont_ = true;
    bool inheritingFont_ = false;
    bool visible_ = true;
    TfrxAnchors anchors_ = fraLeft | fraTop;
    TfrxRestrictions restrictions_;
    int groupIndex_ = 0;
    TfrxComponentStyles frComponentStyle_ = csPreviewVisible;
    TfrxComponent* parent_ = nullptr;
    QList<TfrxComponent*> objects_;
};
