#pragma once

class QWidget;

namespace orvex {

// The Mode A / Mode B page: the number-mark picture Img_P1, the nine button
// labels Key1..Key9 on their state pictures Img_Key1..Img_Key9, and the two
// long-press check labels IB_ComboKey1/2 with Img_ComboKey1/2.
void CreateMainPageControls(QWidget* page);

}  // namespace orvex
