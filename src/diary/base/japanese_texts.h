#pragma once

// The program's locale test: its windows show their Japanese texts when the default locale's name
// contains "ja" (as ja-JP does).
bool UseJapaneseTexts();
