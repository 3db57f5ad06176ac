#pragma once
// A position slider that goes where the person clicks its groove, as media sliders do,
// rather than a page at a time towards the click.

class QSlider;

namespace vc {

void jumpToClicks(QSlider& slider);

} // namespace vc
