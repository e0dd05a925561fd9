#pragma once
// The colours of the programs' About boxes: the version and copyright lines
// on yellow, the link to the maker's site in dark green.

class QLabel;
class QWidget;

namespace gb::widgets {

void ShowOnYellow(QLabel& line);
void ColourAsMakerLink(QWidget& link);

}  // namespace gb::widgets
