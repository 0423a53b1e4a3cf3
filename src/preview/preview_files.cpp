// What the viewer hands on to prepared report files (printing is in preview_print.cpp).
#include "preview.h"

// The prepared report files are not part of the program yet.
// Until they are, these are only the path the window's commands take; the commands are disabled
// while the engine adds pages.

void TfrxPreview::SaveToFile() {}

void TfrxPreview::LoadFromFile() {}
