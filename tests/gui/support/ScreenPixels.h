#pragma once
// The screen's pixels of a rectangle, read from the X server by ImageMagick's import (wx's screen
// device context leaves out the pixels of child windows on X11).

#include <wx/gdicmn.h>
#include <wx/image.h>

namespace ferrolin::test {

// An invalid image when import is not installed or the screen could not be read.
wxImage ScreenPixels(const wxRect& rect);

}  // namespace ferrolin::test
