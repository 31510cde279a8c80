#pragma once
// The controls at the top right of the window at small widths: the Suffix
// box with its label, the "Project ASM" label and the two check boxes move
// left, and the source box and recent list narrow, so that all of them stay
// inside the window. At the template's own width everything keeps its place.

#include <map>

#include "window/model/layout/dialog_template.h"
#include "window/model/layout/window_geometry.h"

namespace qv {

// The controls that move, each at its template place in pixels.
using TopAreaPlaces = std::map<ControlId, PixelRect>;

// The template's places of the moving controls, and of Exit App, which
// stays and bounds them on the left.
TopAreaPlaces TemplateTopArea(DialogBaseUnits units);

// Where the moving controls go at this client width; only x and width change.
TopAreaPlaces FitTopArea(const TopAreaPlaces& home, int clientWidth);

// The least client width at which they fit.
int TopAreaMinimumWidth(const TopAreaPlaces& home);

}  // namespace qv
