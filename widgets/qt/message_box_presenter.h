#pragma once
// Shows the logic layers' messages (core/message_presenter.h) in the program's
// message box. The window program installs one at start-up:
//     static MessageBoxPresenter presenter;
//     setMessagePresenter(&presenter);

#include "core/message_presenter.h"

namespace veltrano {

class MessageBoxPresenter : public MessagePresenter {
  public:
    int showMessage(const std::string& markupText, int style) override;
};

} // namespace veltrano
