#pragma once

// Lets assistive technologies read the plot as a chart whose description is the window's words
// for it (the function and its marked points), asked for afresh each time it is read.
void installPlotAccessible();
