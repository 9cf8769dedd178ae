#pragma once
// The key filter of the number-only edits: the digits 0 to 9 and Backspace pass; any other key
// is dropped and the system beep sounds. A window calls it from the edit's OnKeyPress handler:
//
//     void TFooForm::PortEditKeyPress(QObject*, char& key) { NumberKeyFilter(key); }

void NumberKeyFilter(char& key);
