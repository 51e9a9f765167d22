#ifndef HIGHDPI_H
#define HIGHDPI_H

// Lays every window out in device-independent pixels, so that on a high-density
// screen (say 192 dpi) windows, steps and report pages keep their layout at twice
// the size, and draws icons and marks from their full-resolution pictures. Must be
// called before the application object exists.
void enableHighDpiScaling();

#endif // HIGHDPI_H
