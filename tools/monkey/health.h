#pragma once

#include <chrono>

class QWidget;

// What must hold after every action: the program answers and shows the arrow.
namespace health {

// Whether the event loop runs a zero-timer within the limit (events pending are handled).
bool responds(std::chrono::milliseconds limit);

// No override cursor and the window's own pointer is the arrow.
bool pointerIsArrow(const QWidget& window);

// The process's peak resident memory so far, in MiB.
double peakMemoryMiB();

}  // namespace health
