#include "custom_memo_view.h"

TfrxCustomMemoView::TfrxCustomMemoView(QObject* owner) : TfrxStretcheable(owner)
{
    RemoveStyle(csDefaultDiff);
    AddStyle(csHandlesNestedProperties);
    formats_.append(new TfrxFormat(this));
}
