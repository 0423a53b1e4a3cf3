#pragma once

#include "preview/preview.h"

#include "report/model/report.h"

// The report's build progress told to a viewer, the way the modal preview's binding tells it.
inline void TellViewerOfProgress(TfrxReport& report, TfrxPreview& viewer)
{
    report.OnProgressStart = [&viewer](TfrxReport*, TfrxProgressType, int) { viewer.InternalOnProgressStart(); };
    report.OnProgress = [&viewer](TfrxReport*, TfrxProgressType, int page) { viewer.InternalOnProgress(page - 1); };
    report.OnProgressStop = [&viewer](TfrxReport*, TfrxProgressType, int) { viewer.InternalOnProgressStop(); };
}
