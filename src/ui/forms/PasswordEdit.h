#pragma once

class QLineEdit;

// Makes the edit a password entry that shows every character as "*".
void ShowAsStars(QLineEdit* edit);
