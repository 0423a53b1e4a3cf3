// What the viewer hands on to printing and to prepared report files.
#include "preview.h"

// The printing loop, its dialogs and the prepared report files are not part of the program yet:
// until they are, these entry points are only the path the window's commands take.

void TfrxPreview::Print()
{
    if (running_)
        return;
}

void TfrxPreview::PageSetupDlg()
{
    if (running_)
        return;
}

void TfrxPreview::SaveToFile()
{
    if (running_)
        return;
}

void TfrxPreview::LoadFromFile()
{
    if (running_)
        return;
}
