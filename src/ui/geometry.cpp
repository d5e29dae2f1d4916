#include "ui/geometry.h"

namespace qm {

TwipsRect TwipsRectOf(const Control& control) {
    const Control* container = control.container;
    if (!container) return {control.left, control.top, control.width, control.height};
    const Scale& s = container->scale;
    if (!s.IsSet()) return {control.left, control.top, control.width, control.height};
    const TwipsRect inner = TwipsRectOf(*container);
    const double kx = inner.width / s.width, ky = inner.height / s.height;
    return {(control.left - s.left) * kx, (control.top - s.top) * ky, control.width * kx, control.height * ky};
}

double WidthInUnits(const Control& container, double twips) {
    const Scale& s = container.scale;
    return s.IsSet() ? twips * s.width / TwipsRectOf(container).width : twips;
}

double HeightInUnits(const Control& container, double twips) {
    const Scale& s = container.scale;
    return s.IsSet() ? twips * s.height / TwipsRectOf(container).height : twips;
}

}  // namespace qm
