#include "widgets/qt/message_box_presenter.h"

#include "widgets/qt/message_box.h"

namespace veltrano {

int MessageBoxPresenter::showMessage(const std::string& markupText, int style) {
    return ShowMessage(markupText, style);
}

} // namespace veltrano
