#pragma once

class QPlainTextEdit;

// The memo takes no tab from the Tab key: Tab and Shift+Tab move the focus to the next and the
// previous control as in every other control of the window. Ctrl+Tab types a tab instead, and
// pasted text keeps its tabs.
void MoveFocusOnTab(QPlainTextEdit& memo);

// Undo and redo keys reach the memo only while it has typing of its own to undo or redo; else
// they go on to the window, whose shortcuts undo and redo the diary's writes. Ctrl+Y redoes the
// memo's own typing first too.
void LeaveSpentUndoKeys(QPlainTextEdit& memo);
