#pragma once
// The PNG writer of the alignment pictures: a Graphviz device "png:cairo" of our
// own, preferred over Graphviz's, so that rendering with the format "png" stays
// as it is. cairo draws the picture as always; the device encodes it without row
// filters and with a deflate encoder that only codes runs of equal pixels, which
// gives the same pixels as cairo's own encoder in a fraction of the time.

#include <graphviz/gvc.h>

namespace quillan {

// Adds the device to a Graphviz context, before its first rendering.
void addFastPngDevice(GVC_t* context);

}  // namespace quillan
