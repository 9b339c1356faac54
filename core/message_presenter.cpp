#include "core/message_presenter.h"

namespace veltrano {
namespace {
MessagePresenter* gPresenter = nullptr;
}

void setMessagePresenter(MessagePresenter* presenter) {
    gPresenter = presenter;
}
MessagePresenter* messagePresenter() {
    return gPresenter;
}

int showMessage(const std::string& markupText, int style) {
    return gPresenter ? gPresenter->showMessage(markupText, style) : 0;
}

} // namespace veltrano
