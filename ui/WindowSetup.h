#pragma once

class QComboBox;
class QLineEdit;

// The output field's hint tells what the "Save to" choice does.
void followOutputChoice(QComboBox* choice, QLineEdit* field);
