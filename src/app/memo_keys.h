#pragma once

class QPlainTextEdit;

// The memo takes no tab from the Tab key: Tab and Shift+Tab move the focus to the next and the
// previous control as in every other control of the window. Ctrl+Tab types a tab instead, and
// pasted text keeps its tabs.
void MoveFocusOnTab(QPlainTextEdit& memo);
