#pragma once

class QWidget;

namespace coinwell {

// Return and Enter on a focused button of `window` click it, as Space does.
void clickButtonsOnReturn(QWidget* window);

}  // namespace coinwell
