#include "line_view.h"

TfrxCustomLineView::TfrxCustomLineView(QObject* owner) : TfrxStretcheable(owner) { RemoveStyle(csDefaultDiff); }
