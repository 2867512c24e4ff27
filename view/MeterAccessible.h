#pragma once

class QString;
class QWidget;

// The needle meter to a screen reader: its reading as a value in dial marks,
// right of the middle mark positive, and in words as its description.
namespace MeterAccessible {

// Makes a widget the meter; it reads 0 until the first SetReading.
void Mark(QWidget* meter);
// Tells the meter's reader of a new reading, with an event when it changed
// (setAccessibleDescription sends its own).
void SetReading(QWidget* meter, double marks, const QString& words);

}
