#pragma once

// print/<dpi> and print/cairo/<dpi>: one page of the default figure.
void RegisterPrintBenchmarks();
